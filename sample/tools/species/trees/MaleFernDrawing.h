#pragma once

#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

// Fougère mâle: a tuft of lance-shaped fronds, divided once into deeply lobed pinnae, rising from
// a short scaly rhizome with many roots; a young frond still rolled as a crozier, and one frond
// turned over to show the round brown spore dots (sori) on its underside.
class MaleFernDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Frond {
    qreal angle;  // direction in which the stalk leaves the crown
    qreal length;
    qreal arch;  // how far the frond bends outwards, in degrees
    bool turned;
  };

  static QPainterPath spineOf(const Frond& frond);
  static void paintFrond(QPainter& painter, const Frond& frond);
  static void paintPinna(QPainter& painter, const QPainterPath& midrib, qreal halfWidth,
                         bool turned);
  static void paintRhizome(QPainter& painter);
};

}  // namespace sylvenor::draw
