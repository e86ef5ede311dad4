#include "FishPainter.h"

#include <QPainter>
#include <QRadialGradient>

#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

constexpr int kEdgeSteps = 40;

}  // namespace

FishPainter::FishPainter(const Design& design) : design_(design), body_(makeBody(design)) {
  for (const FishFin::Shape& fin : design_.finsBehind) behind_.emplace_back(fin, body_);
  for (const FishFin::Shape& fin : design_.finsOver) over_.emplace_back(fin, body_);
}

BodyShape FishPainter::makeBody(const Design& design) {
  const QPointF tail = design.snout + QPointF(design.length, 0);
  const QPointF middle = (design.snout + tail) / 2 - QPointF(0, 2 * design.arch);
  QPainterPath line(design.snout);
  line.quadTo(middle, tail);
  return BodyShape(Spine(line), design.back, design.belly);
}

void FishPainter::paint(QPainter& painter) const {
  for (const FishFin& fin : behind_) fin.paint(painter);
  paintSkin(painter);
  paintHead(painter);
  SkinShading::outline(painter, edges(), design_.outline, 2.0);
  for (const FishFin& fin : over_) fin.paint(painter);
}

QColor FishPainter::colourAcross(qreal v) const {
  const auto& stops = design_.colours;
  if (v <= stops.front().first) return stops.front().second;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (v <= stops[i].first) {
      const qreal f = (v - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
      return SkinShading::blend(stops[i - 1].second, stops[i].second, f);
    }
  }
  return stops.back().second;
}

void FishPainter::paintSkin(QPainter& painter) const {
  SkinShading::fillAcross(painter, body_, [this](qreal v) { return colourAcross(v); });
  painter.save();
  painter.setClipPath(body_.outline());
  if (design_.pattern) design_.pattern(painter, body_);
  SkinShading::sheen(painter, body_, -0.15, 0.35, QColor(255, 255, 255, 70));
  SkinShading::shadeEdges(painter, body_, QColor(20, 25, 30, 110), 0.55);
  painter.restore();
  FishScales::paint(painter, body_, scaledSkin(), design_.scales);
  if (design_.markings) design_.markings(painter, body_);
  if (design_.lateralLineColour.alpha() > 0) {
    FishScales::paintLateralLine(painter, body_, design_.lateralLine, design_.scales,
                                 design_.lateralLineColour);
  }
}

// The outline of the back, snout and belly, open at the base of the tail fin.
QPainterPath FishPainter::edges() const {
  QPainterPath path = body_.line(-1.0).toReversed();
  path.connectPath(body_.line(1.0));
  return path;
}

qreal FishPainter::gillEdgeT(qreal v, qreal shift) const {
  const qreal u = (v - 0.15) / 1.15;
  return design_.gillT + shift - design_.gillCurve * u * u;
}

QPainterPath FishPainter::gillEdge(qreal shift) const {
  QPainterPath path;
  for (int i = 0; i <= kEdgeSteps; ++i) {
    const qreal v = -0.92 + 1.86 * i / kEdgeSteps;
    const QPointF point = body_.at(gillEdgeT(v, shift), v);
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

QPainterPath FishPainter::scaledSkin() const {
  std::vector<QPointF> tv;
  for (int i = 0; i <= kEdgeSteps; ++i) {
    const qreal v = -1.0 + 2.0 * i / kEdgeSteps;
    tv.emplace_back(gillEdgeT(v), v);
  }
  for (int i = 0; i <= kEdgeSteps; ++i) {
    tv.emplace_back(gillEdgeT(1.0) + (1.0 - gillEdgeT(1.0)) * i / kEdgeSteps, 1.0);
  }
  for (int i = kEdgeSteps; i >= 0; --i) {
    tv.emplace_back(gillEdgeT(-1.0) + (1.0 - gillEdgeT(-1.0)) * i / kEdgeSteps, -1.0);
  }
  return body_.polygon(tv);
}

void FishPainter::paintHead(QPainter& painter) const {
  painter.save();
  painter.setClipPath(body_.outline());
  const QColor dark = design_.outline;
  SkinShading::outline(painter, gillEdge(0.006), SkinShading::withAlpha(dark, 70), 7.0);
  SkinShading::outline(painter, gillEdge(0.0), SkinShading::withAlpha(dark, 210), 2.2);
  SkinShading::outline(painter, gillEdge(-0.006), QColor(255, 255, 255, 90), 1.6);
  SkinShading::outline(painter, gillEdge(-0.055), SkinShading::withAlpha(dark, 90), 1.6);
  SkinShading::outline(painter, gillEdge(-0.06), QColor(255, 255, 255, 60), 1.2);
  painter.restore();
  paintMouth(painter);
  paintEye(painter);
}

void FishPainter::paintMouth(QPainter& painter) const {
  if (design_.mouth) {
    design_.mouth(painter, body_);
    return;
  }
  const QPointF tip = body_.at(0.0, 0.0);
  const QPointF corner = body_.at(design_.mouthCorner.x(), design_.mouthCorner.y());
  QPainterPath lips(tip);
  lips.quadTo(QPointF((tip.x() + corner.x()) / 2, corner.y()), corner);
  SkinShading::outline(painter, lips, SkinShading::withAlpha(design_.outline, 220), 2.4);
  SkinShading::outline(painter, lips.translated(0, 2.2), QColor(255, 255, 255, 80), 1.4);
}

void FishPainter::paintEye(QPainter& painter) const {
  const QPointF centre = body_.at(design_.eye.x(), design_.eye.y());
  const qreal r = design_.eyeRadius;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(SkinShading::withAlpha(design_.outline, 120));
  painter.drawEllipse(centre, r * 1.18, r * 1.18);
  QRadialGradient iris(centre, r, centre - QPointF(r * 0.3, r * 0.3));
  iris.setColorAt(0.0, design_.iris.lighter(140));
  iris.setColorAt(0.7, design_.iris);
  iris.setColorAt(1.0, design_.iris.darker(170));
  painter.setBrush(iris);
  painter.drawEllipse(centre, r, r);
  painter.setBrush(QColor(12, 12, 16));
  painter.drawEllipse(centre + QPointF(-r * 0.05, 0), r * 0.55, r * 0.55);
  // The nostril, a small double pit in front of the eye.
  painter.setBrush(SkinShading::withAlpha(design_.outline, 200));
  painter.drawEllipse(centre + QPointF(-r * 1.9, -r * 0.25), r * 0.16, r * 0.12);
  painter.drawEllipse(centre + QPointF(-r * 1.6, -r * 0.3), r * 0.13, r * 0.1);
  painter.restore();
  SkinShading::glint(painter, centre + QPointF(-r * 0.3, -r * 0.32), r * 0.24, r * 0.16, -30);
}

}  // namespace sylvenor::draw
