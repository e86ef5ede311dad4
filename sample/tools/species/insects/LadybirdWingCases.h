#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace sylvenor::draw {

// The two red wing cases of the seven-spot ladybird, closed over its back as one glossy dome,
// with the scutellum between their bases. Body coordinates: midline x = 0, head towards -y.
class LadybirdWingCases {
 public:
  static QPainterPath outline();
  static void paint(QPainter& painter);

 private:
  struct Spot {
    QPointF centre;  // on the right wing case; the left one carries its mirror image
    QSizeF radii;
    qreal degrees;
  };

  static QPainterPath spots();
  static QPainterPath spot(const Spot& spot);
  static QPainterPath basalFlecks();
  static void paintLacquer(QPainter& painter, const QPainterPath& shape);
  static void paintMarks(QPainter& painter, const QPainterPath& shape);
  static void paintDome(QPainter& painter, const QPainterPath& shape);
  static void paintSuture(QPainter& painter, const QPainterPath& shape);
  static void paintGloss(QPainter& painter, const QPainterPath& shape);
  static void paintRim(QPainter& painter, const QPainterPath& shape);
  static void paintScutellum(QPainter& painter);
};

}  // namespace sylvenor::draw
