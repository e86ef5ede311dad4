#pragma once

#include <QPainterPath>
#include <QPointF>
#include <random>

class QPainter;

namespace sylvenor::draw::arthropods {

// A small bushy gill: a short stem that splits again and again into fine red twigs.
class GillTuft {
 public:
  GillTuft(QPointF base, QPointF direction, qreal length, unsigned seed);

  QPainterPath silhouette() const { return shape_; }
  void paint(QPainter& painter) const;

 private:
  void grow(QPointF from, qreal angle, qreal length, qreal width, int depth);

  std::mt19937 generator_;
  QPainterPath shape_;
};

}  // namespace sylvenor::draw::arthropods
