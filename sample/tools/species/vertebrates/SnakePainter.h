#pragma once

#include <QColor>
#include <QPainterPath>
#include <functional>
#include <vector>

#include "BodyShape.h"
#include "ScaleNet.h"
#include "SnakeHead.h"

class QPainter;

namespace sylvenor::draw {

// A snake lying in loose curves, seen from above, with its head turned to show its side. No
// legs: a body of rows of scales from the neck to the tip of the tail.
class SnakePainter {
 public:
  using Detail = std::function<void(QPainter&, const BodyShape&)>;
  struct Design {
    QPainterPath spine;              // from the neck to the tip of the tail
    std::vector<QPointF> halfWidth;  // (distance from the neck, half-width)
    QColor skin;
    QColor outline;
    int scaleRows;  // rows of scales seen from above
    qreal scaleLength;
    ScaleNet::Style scales;
    Detail pattern;
    SnakeHead::Design head;
  };

  explicit SnakePainter(const Design& design);

  void paint(QPainter& painter) const;

 private:
  qreal tAt(qreal distance) const { return distance / body_.length(); }

  Design design_;
  BodyShape body_;
};

}  // namespace sylvenor::draw
