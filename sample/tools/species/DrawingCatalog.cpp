#include "DrawingCatalog.h"

#include <stdexcept>
#include <utility>

namespace sylvenor::draw {

namespace {

std::vector<DrawingCatalog::Family>& families() {
  static std::vector<DrawingCatalog::Family> registered;
  return registered;
}

}  // namespace

DrawingCatalog DrawingCatalog::all() {
  DrawingCatalog catalog;
  for (const Family family : families()) family(catalog);
  return catalog;
}

bool DrawingCatalog::registerFamily(Family family) {
  families().push_back(family);
  return true;
}

void DrawingCatalog::add(const QString& slug, Painter paint, bool enlarged) {
  if (find(slug)) throw std::logic_error("dessin en double : " + slug.toStdString());
  drawings_.push_back({slug, std::move(paint), enlarged});
}

const DrawingCatalog::Drawing* DrawingCatalog::find(const QString& slug) const {
  for (const Drawing& drawing : drawings_) {
    if (drawing.slug == slug) return &drawing;
  }
  return nullptr;
}

}  // namespace sylvenor::draw
