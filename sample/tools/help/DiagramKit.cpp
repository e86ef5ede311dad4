#include "DiagramKit.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

#include "HelpPalette.h"
#include "PathKit.h"
#include "TextFitter.h"
#include "Typeface.h"

namespace sylvenor::draw {

namespace {

constexpr int kLabelPixels = 19;
constexpr qreal kLabelPadding = 7;
const QColor kLabelBackground(255, 255, 255, 230);
const QColor kLensRing(0x7f, 0x9c, 0xb8);
constexpr int kTaperSteps = 48;

}  // namespace

void DiagramKit::label(QPainter& painter, std::initializer_list<QPointF> targets, QPointF centre,
                       const QString& text) {
  const QFont font = Typeface::sans(kLabelPixels, QFont::DemiBold);
  const QRectF box = labelBox(font, centre, text);
  painter.save();
  painter.setPen(QPen(HelpPalette::kLeader, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (const QPointF& target : targets) {
    painter.drawLine(target, nearestOnBox(box, target));
  }
  painter.setPen(QPen(Qt::white, 1.5));
  painter.setBrush(HelpPalette::kLeader);
  for (const QPointF& target : targets) {
    painter.drawEllipse(target, 4, 4);
  }
  painter.setPen(QPen(HelpPalette::kFrame, 1.2));
  painter.setBrush(kLabelBackground);
  painter.drawRoundedRect(box, 9, 9);
  painter.setPen(HelpPalette::kInk);
  painter.setFont(font);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.restore();
}

void DiagramKit::caption(QPainter& painter, const QRectF& box, const QString& text,
                         const QColor& colour) {
  painter.save();
  painter.setPen(QPen(colour, 2.5));
  painter.setBrush(kLabelBackground);
  painter.drawRoundedRect(box, 12, 12);
  painter.setPen(HelpPalette::kInk);
  TextFitter(Typeface::sans(23, QFont::Bold), 23, 14)
      .preferOneLine(14)
      .draw(painter, box.adjusted(6, 4, -6, -4), Qt::AlignCenter, text);
  painter.restore();
}

void DiagramKit::badge(QPainter& painter, QPointF centre, int number, const QColor& colour) {
  constexpr qreal kRadius = 15;
  painter.save();
  painter.setPen(QPen(Qt::white, 2.5));
  painter.setBrush(rounded(centre, kRadius, colour.lighter(130), colour.darker(110)));
  painter.drawEllipse(centre, kRadius, kRadius);
  painter.setPen(Qt::white);
  painter.setFont(Typeface::sans(19, QFont::Bold));
  painter.drawText(QRectF(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius),
                   Qt::AlignCenter, QString::number(number));
  painter.restore();
}

void DiagramKit::guide(QPainter& painter, QPointF from, QPointF to) {
  QPen pen(HelpPalette::kGuide, 3.2, Qt::CustomDashLine, Qt::RoundCap);
  pen.setDashPattern({2.6, 2.4});
  painter.save();
  painter.setPen(pen);
  painter.drawLine(from, to);
  painter.restore();
}

void DiagramKit::ring(QPainter& painter, QPointF centre, qreal radius) {
  QPen pen(HelpPalette::kGuide, 3, Qt::CustomDashLine);
  pen.setDashPattern({3, 2});
  painter.save();
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DiagramKit::arrow(QPainter& painter, const QPainterPath& path, const QColor& colour) {
  constexpr qreal kHead = 14;
  const QPointF tip = path.pointAtPercent(1);
  const qreal angle = qDegreesToRadians(path.angleAtPercent(1));
  const QPointF back(-std::cos(angle) * kHead, std::sin(angle) * kHead);
  const QPointF side(-std::sin(angle) * kHead * 0.55, -std::cos(angle) * kHead * 0.55);
  painter.save();
  painter.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(QPolygonF({tip + back * 0.2, tip + back + side, tip + back - side}));
  painter.restore();
}

void DiagramKit::crossOut(QPainter& painter, QPointF centre, qreal radius) {
  const qreal offset = radius * std::sqrt(0.5);
  painter.save();
  painter.setPen(QPen(HelpPalette::kGuide, radius * 0.16, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.drawLine(centre + QPointF(-offset, -offset), centre + QPointF(offset, offset));
  painter.restore();
}

void DiagramKit::lens(QPainter& painter, QPointF source, qreal sourceRadius, QPointF centre,
                      qreal radius, const Content& content) {
  const QLineF axis(source, centre);
  const QPointF unit = across(axis);
  painter.save();
  painter.setPen(QPen(kLensRing, 1.6, Qt::DashLine));
  painter.drawLine(source + unit * sourceRadius, centre + unit * radius);
  painter.drawLine(source - unit * sourceRadius, centre - unit * radius);
  painter.setPen(QPen(kLensRing, 2.4));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(source, sourceRadius, sourceRadius);
  const QPainterPath disc = PathKit::circle(centre, radius);
  PathKit::fillWithShadow(painter, disc, Qt::white);
  painter.save();
  painter.setClipPath(disc, Qt::IntersectClip);
  content(painter);
  painter.restore();
  painter.setPen(QPen(kLensRing, 5));
  painter.drawEllipse(centre, radius, radius);
  painter.restore();
}

void DiagramKit::medallion(QPainter& painter, QPointF centre, qreal radius, qreal scale,
                           QPointF contentCentre, const Content& content) {
  const QPainterPath disc = PathKit::circle(centre, radius);
  painter.save();
  PathKit::fillWithShadow(painter, disc, Qt::white);
  painter.setClipPath(disc, Qt::IntersectClip);
  painter.translate(centre);
  painter.scale(scale, scale);
  painter.translate(-contentCentre);
  content(painter);
  painter.restore();
  crossOut(painter, centre, radius);
}

void DiagramKit::closeUpHint(QPainter& painter, QPointF topLeft) {
  const QPointF glass = topLeft + QPointF(14, 14);
  painter.save();
  painter.setPen(QPen(HelpPalette::kLeader, 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(glass + QPointF(8, 8), glass + QPointF(17, 17));
  painter.setPen(QPen(HelpPalette::kLeader, 2.6));
  painter.setBrush(QColor(0xdc, 0xec, 0xf8));
  painter.drawEllipse(glass, 11, 11);
  painter.setPen(HelpPalette::kLeader);
  painter.setFont(Typeface::sans(17, QFont::DemiBold));
  painter.drawText(QRectF(topLeft.x() + 36, topLeft.y(), 160, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("vu de près"));
  painter.restore();
}

QPointF DiagramKit::across(const QLineF& line) {
  const QLineF normal = line.normalVector().unitVector();
  return {normal.dx(), normal.dy()};
}

QPainterPath DiagramKit::diamond(QPointF centre, qreal halfWidth, qreal halfHeight) {
  const std::array corners{centre - QPointF(halfWidth, 0), centre - QPointF(0, halfHeight),
                           centre + QPointF(halfWidth, 0), centre + QPointF(0, halfHeight)};
  constexpr qreal kRound = 0.18;
  QPainterPath path;
  for (std::size_t i = 0; i <= corners.size(); ++i) {
    const QPointF corner = corners[i % 4];
    const QPointF before = corner + (corners[(i + 3) % 4] - corner) * kRound;
    const QPointF after = corner + (corners[(i + 1) % 4] - corner) * kRound;
    if (i == 0) {
      path.moveTo(after);
      continue;
    }
    path.lineTo(before);
    path.quadTo(corner, after);
  }
  path.closeSubpath();
  return path;
}

QPainterPath DiagramKit::tapered(const QPainterPath& centreLine, qreal startWidth, qreal endWidth) {
  QPainterPath path = band(centreLine, kTaperSteps,
                           [=](qreal t) { return (startWidth + (endWidth - startWidth) * t) / 2; });
  path.setFillRule(Qt::WindingFill);
  return path.united(PathKit::circle(centreLine.pointAtPercent(0), startWidth / 2))
      .united(PathKit::circle(centreLine.pointAtPercent(1), endWidth / 2));
}

QPainterPath DiagramKit::band(const QPainterPath& centreLine, int steps,
                              const std::function<qreal(qreal t)>& halfWidth) {
  QPolygonF left;
  QPolygonF right;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = static_cast<qreal>(i) / steps;
    const QPointF point = centreLine.pointAtPercent(t);
    const qreal angle = qDegreesToRadians(centreLine.angleAtPercent(t));
    const qreal half = halfWidth(t);
    const QPointF normal(std::sin(angle) * half, std::cos(angle) * half);
    left << point + normal;
    right.prepend(point - normal);
  }
  QPainterPath path;
  path.addPolygon(left + right);
  path.closeSubpath();
  return path;
}

QBrush DiagramKit::linear(QPointF from, QPointF to, const QColor& start, const QColor& end) {
  QLinearGradient gradient(from, to);
  gradient.setColorAt(0, start);
  gradient.setColorAt(1, end);
  return gradient;
}

QBrush DiagramKit::cylinder(qreal left, qreal right, const QColor& light, const QColor& dark) {
  QLinearGradient gradient(left, 0, right, 0);
  gradient.setColorAt(0, dark);
  gradient.setColorAt(0.4, light);
  gradient.setColorAt(1, dark);
  return gradient;
}

QBrush DiagramKit::rounded(QPointF centre, qreal radius, const QColor& light, const QColor& dark) {
  QRadialGradient gradient(centre, radius, centre - QPointF(radius, radius) * 0.35);
  gradient.setColorAt(0, light);
  gradient.setColorAt(1, dark);
  return gradient;
}

void DiagramKit::glow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY,
                      qreal degrees, const QColor& colour) {
  QRadialGradient gradient(QPointF(0, 0), 1);
  QColor edge = colour;
  edge.setAlpha(0);
  gradient.setColorAt(0, colour);
  gradient.setColorAt(1, edge);
  painter.save();
  painter.translate(centre);
  painter.rotate(degrees);
  painter.scale(radiusX, radiusY);
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawEllipse(QPointF(0, 0), 1, 1);
  painter.restore();
}

QRectF DiagramKit::labelBox(const QFont& font, QPointF centre, const QString& text) {
  const QRectF needed =
      QFontMetricsF(font).boundingRect(QRectF(0, 0, 400, 200), Qt::AlignCenter, text);
  const QSizeF size(needed.width() + 2 * kLabelPadding, needed.height() + kLabelPadding);
  return {centre - QPointF(size.width(), size.height()) / 2, size};
}

QPointF DiagramKit::nearestOnBox(const QRectF& box, QPointF target) {
  return {std::clamp(target.x(), box.left(), box.right()),
          std::clamp(target.y(), box.top(), box.bottom())};
}

}  // namespace sylvenor::draw
