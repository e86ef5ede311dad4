#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace sylvenor::draw {

// The plant pieces several help drawings share: leaves, a leafy stem, a flower and the soil.
class PlantParts {
 public:
  // The two lichens of the crusts: a bright orange one and a pale grey-green one.
  static inline const QColor kCrustOrange{0xf0, 0x9a, 0x22};
  static inline const QColor kCrustGrey{0xb8, 0xc4, 0x9a};

  static void leaf(QPainter& painter, QPointF base, QPointF tip, qreal widthRatio);
  // A stem standing on `base`, `height` tall, with alternate leaves and a bud at the top.
  static void leafyStem(QPainter& painter, QPointF base, qreal height);
  static void flower(QPainter& painter, QPointF centre, qreal radius);
  static void soil(QPainter& painter, const QRectF& area);
  // A flat ribbon along `centreLine`: no stem and no leaf, just one blade.
  static void blade(QPainter& painter, const QPainterPath& centreLine, qreal width);
  // A crust pressed flat on its support, its edge in round lobes, with a few little cups.
  static void crust(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);
  static void stone(QPainter& painter, const QPainterPath& outline);

 private:
  static QPainterPath ribbonAlong(const QPainterPath& centreLine, qreal width);
  static void leafVeins(QPainter& painter, QPointF base, QPointF tip);
};

}  // namespace sylvenor::draw
