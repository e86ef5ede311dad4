#pragma once

#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// The species that we draw ourselves, each under the file name of its pictures. A drawing paints
// one organism on a canvas of kCanvasWidth by kCanvasHeight units whose plain background is
// already there; the renderer scales it to the size of each picture.
class DrawingCatalog {
 public:
  static constexpr int kCanvasWidth = 1000;
  static constexpr int kCanvasHeight = 750;

  using Painter = std::function<void(QPainter&)>;

  struct Drawing {
    QString slug;  // file name without extension: "lithobie" gives lithobie.jpg
    Painter paint;
    bool enlarged = true;  // also drawn as the enlarged view, slug-grand.jpg
  };

  using Family = void (*)(DrawingCatalog&);

  // Every drawing of every family compiled in.
  static DrawingCatalog all();
  // Called once by each family, from a static initialiser of its own file, so that a family
  // can be built on its own while it is being drawn.
  static bool registerFamily(Family family);

  void add(const QString& slug, Painter paint, bool enlarged = true);
  const std::vector<Drawing>& drawings() const { return drawings_; }
  const Drawing* find(const QString& slug) const;

 private:
  std::vector<Drawing> drawings_;
};

}  // namespace sylvenor::draw
