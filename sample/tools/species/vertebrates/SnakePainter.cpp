#include "SnakePainter.h"

#include <QPainter>

#include "SkinShading.h"

namespace sylvenor::draw {

SnakePainter::SnakePainter(const Design& design)
    : design_(design), body_(BodyShape::symmetric(design.spine, design.halfWidth)) {}

void SnakePainter::paint(QPainter& painter) const {
  const QPainterPath outline = body_.outline();
  SkinShading::softShadow(painter, outline, QPointF(3, 7), 9, 55);
  painter.fillPath(outline, design_.skin);
  painter.save();
  painter.setClipPath(outline);
  if (design_.pattern) design_.pattern(painter, body_);
  ScaleNet::rows(painter, body_, 0.0, 1.0, design_.scaleRows, design_.scaleLength, design_.scales);
  SkinShading::sheen(painter, body_, -0.1, 0.4, QColor(255, 255, 240, 80));
  SkinShading::shadeEdges(painter, body_, QColor(15, 12, 5, 170), 0.35);
  painter.restore();
  SkinShading::outline(painter, outline, design_.outline, 1.6);
  const SnakeHead head(design_.head);
  const qreal neck = tAt(head.overlap());
  const QPointF forward = -body_.spine().tangentAt(neck);
  const qreal direction = std::atan2(forward.y(), forward.x()) * 180.0 / M_PI;
  head.paint(painter, body_.at(neck, 0.0), direction);
}

}  // namespace sylvenor::draw
