#include "SeaStarBody.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <utility>

#include "PathKit.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kFirstArm = -90;  // one arm points up, as in the usual field-guide view

}  // namespace

SeaStarBody::SeaStarBody(QPointF centre, qreal reach, qreal discRadius,
                         MarineKit::WidthProfile halfWidth, const std::vector<qreal>& bends)
    : centre_(centre), discRadius_(discRadius), halfWidth_(std::move(halfWidth)) {
  outline_ = PathKit::circle(centre, discRadius);
  for (int arm = 0; arm < kArms; ++arm) {
    const qreal degrees = kFirstArm + arm * 360.0 / kArms;
    const qreal bend = bends[arm % bends.size()];
    QPainterPath line(centre);
    line.quadTo(MarineKit::polar(centre, reach * 0.55, degrees + bend),
                MarineKit::polar(centre, reach, degrees + bend * 1.6));
    armLines_.push_back(line);
    outline_ =
        outline_.united(MarineKit::taper(line, [this](qreal t) { return 2 * halfWidth_(t); }));
  }
  outline_ = outline_.simplified();
}

QPointF SeaStarBody::onArm(int arm, qreal along, qreal across) const {
  const QPainterPath& line = armLines_[arm % kArms];
  const QPointF ahead = line.pointAtPercent(std::min(along + 0.01, 1.0)) -
                        line.pointAtPercent(std::max(along - 0.01, 0.0));
  const QPointF normal =
      QPointF(-ahead.y(), ahead.x()) / std::max(1e-6, std::hypot(ahead.x(), ahead.y()));
  return line.pointAtPercent(along) + normal * across * halfWidth_(along);
}

qreal SeaStarBody::betweenArms(int arm) const { return kFirstArm + (arm + 0.5) * 360.0 / kArms; }

void SeaStarBody::paintVolume(QPainter& painter, const QColor& ridge, const QColor& base,
                              const QColor& rim) const {
  painter.fillPath(outline_, base);
  painter.save();
  painter.setClipPath(outline_, Qt::IntersectClip);
  const qreal widest = halfWidth_(0.15);
  for (const qreal share : {1.0, 0.8, 0.62, 0.48, 0.36, 0.26, 0.18}) {
    painter.setPen(QPen(MarineKit::withAlpha(rim, 34), widest * share, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(outline_);
  }
  for (const QPainterPath& line : armLines_) {
    const QPainterPath crest = line.translated(-widest * 0.08, -widest * 0.1);
    for (const qreal share : {0.9, 0.7, 0.5, 0.3}) {
      painter.fillPath(
          MarineKit::taper(
              crest, [this, share](qreal t) { return 2 * halfWidth_(t) * share * (1 - 0.3 * t); }),
          MarineKit::withAlpha(ridge, 34));
    }
  }
  QRadialGradient middle(centre_, discRadius_ * 1.5);
  middle.setColorAt(0, MarineKit::withAlpha(ridge, 60));
  middle.setColorAt(1, MarineKit::withAlpha(ridge, 0));
  painter.fillPath(outline_, middle);
  painter.restore();
}

void SeaStarBody::paintShadow(QPainter& painter, const QColor& colour) const {
  for (int i = 1; i <= 4; ++i) painter.fillPath(outline_.translated(2.5 * i, 3.5 * i), colour);
}

void SeaStarBody::paintOutline(QPainter& painter, const QColor& colour) const {
  MarineKit::outline(painter, outline_, colour, 2.4);
}

}  // namespace sylvenor::draw
