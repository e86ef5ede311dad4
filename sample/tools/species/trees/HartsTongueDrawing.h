#pragma once

#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// Langue-de-cerf: a tuft of undivided, strap-shaped, glossy fronds with a heart-shaped base and
// wavy edges, on a short rhizome with roots; one frond is turned over to show the parallel
// brown spore stripes on its underside.
class HartsTongueDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Frond {
    qreal angle;
    qreal length;
    qreal arch;
    bool turned;
  };

  // Maps frond coordinates (across the midrib, along it from the base of the blade) onto the
  // curved midrib; negative `along` reaches back past the base, into the heart-shaped lobes.
  class Blade {
   public:
    Blade(const QPainterPath& midrib, qreal halfWidth);
    QPointF at(qreal across, qreal along) const;
    QPainterPath outline() const;
    QPainterPath band(qreal from, qreal to) const;
    qreal halfWidth() const { return halfWidth_; }
    qreal length() const { return length_; }

   private:
    qreal widthAt(qreal along) const;
    QPainterPath midrib_;
    qreal halfWidth_;
    qreal length_;
  };

  static void paintFrond(QPainter& painter, const Frond& frond);
  static void paintUpperSide(QPainter& painter, const Blade& blade);
  static void paintUnderside(QPainter& painter, const Blade& blade);
  static void paintRhizome(QPainter& painter);
};

}  // namespace sylvenor::draw
