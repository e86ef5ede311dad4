// Draws the species that no free picture package has, once, into the folder of the sample's
// pictures: each as <nom>.jpg (the photograph) and <nom>-grand.jpg (the enlarged view).
// Run by scripts/draw-species-pictures; the build itself only copies the files.

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <iostream>

#include "DrawingCatalog.h"
#include "SpeciesPictureRenderer.h"

namespace {

using sylvenor::draw::DrawingCatalog;
using sylvenor::draw::SpeciesPictureRenderer;

constexpr int kJpegQuality = 88;

bool save(const DrawingCatalog::Drawing& drawing, const QDir& folder) {
  const QImage photo =
      SpeciesPictureRenderer::render(drawing.paint, SpeciesPictureRenderer::kPhoto);
  if (!photo.save(folder.filePath(drawing.slug + ".jpg"), "JPG", kJpegQuality)) return false;
  if (!drawing.enlarged) return true;
  const QImage enlarged =
      SpeciesPictureRenderer::render(drawing.paint, SpeciesPictureRenderer::kEnlarged);
  return enlarged.save(folder.filePath(drawing.slug + "-grand.jpg"), "JPG", kJpegQuality);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 2) {
    std::cerr << "usage : draw_species <dossier> [nom ...]   (sans nom : toutes les espèces)\n";
    return 2;
  }
  const QDir folder(arguments.at(1));
  if (!QDir().mkpath(folder.path())) {
    std::cerr << "draw_species : impossible de créer " << folder.path().toStdString() << '\n';
    return 1;
  }
  const DrawingCatalog catalog = DrawingCatalog::all();
  const QStringList wanted = arguments.mid(2);
  int failures = 0;
  for (const DrawingCatalog::Drawing& drawing : catalog.drawings()) {
    if (!wanted.isEmpty() && !wanted.contains(drawing.slug)) continue;
    if (!save(drawing, folder)) {
      std::cerr << "draw_species : échec pour " << drawing.slug.toStdString() << '\n';
      ++failures;
    }
  }
  for (const QString& slug : wanted) {
    if (!catalog.find(slug)) {
      std::cerr << "draw_species : dessin inconnu " << slug.toStdString() << '\n';
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
