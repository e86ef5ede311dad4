#include "MoonJellyPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kCentre(500, 286);
constexpr qreal kRadius = 330;
constexpr qreal kDomeHeight = 72;
constexpr qreal kLevel = 0.62;   // a level circle seen from this slant
constexpr qreal kHeight = 0.78;  // and a height

const QColor kCanal(160, 130, 200, 80);
const QColor kRim(120, 150, 186);

// A point of the bell by its distance from the centre (0 to 1 at the rim) and its bearing.
QPointF onBell(qreal distance, qreal degrees) {
  const qreal angle = qDegreesToRadians(degrees);
  const qreal height = kDomeHeight * (1 - distance * distance);
  return kCentre + QPointF(kRadius * distance * std::cos(angle),
                           kRadius * distance * std::sin(angle) * kLevel - height * kHeight);
}

// Below the bell: the arms hang from the mouth.
QPointF underBell(qreal distance, qreal degrees, qreal depth) {
  return onBell(distance, degrees) + QPointF(0, (depth + kDomeHeight) * kHeight);
}

// Eight shallow notches, each holding a sense organ, cut the rim into lobes.
qreal rimNotch(qreal degrees) {
  const qreal offset = std::fmod(degrees + 360 - 22.5, 45.0);
  const qreal gap = std::min(offset, 45 - offset);
  return 1 - 0.016 * std::exp(-(gap * gap) / 10);
}

// The rim, or a line just inside it when share is below 1.
QPainterPath rimLine(qreal share) {
  QPainterPath line;
  for (int step = 0; step <= 360; ++step) {
    const QPointF point = onBell(rimNotch(step) * share, step);
    if (step == 0) {
      line.moveTo(point);
    } else {
      line.lineTo(point);
    }
  }
  line.closeSubpath();
  return line;
}

// A ribbon whose both edges ripple, for the frilled mouth arms.
QPainterPath frillyRibbon(const QPainterPath& line, qreal width, qreal frill) {
  std::vector<QPointF> left;
  std::vector<QPointF> right;
  constexpr int kSamples = 90;
  for (int i = 0; i <= kSamples; ++i) {
    const qreal t = qreal(i) / kSamples;
    const QPointF point = line.pointAtPercent(t);
    const QPointF ahead =
        line.pointAtPercent(std::min(t + 0.01, 1.0)) - line.pointAtPercent(std::max(t - 0.01, 0.0));
    const QPointF normal =
        QPointF(-ahead.y(), ahead.x()) / std::max(1e-6, std::hypot(ahead.x(), ahead.y()));
    const qreal half = width * (1 - 0.55 * t) / 2;
    const qreal ripple = frill * (0.4 + 0.6 * t);
    left.push_back(point + normal * (half + ripple * std::abs(std::sin(i * 0.55))));
    right.push_back(point - normal * (half + ripple * std::abs(std::sin(i * 0.55 + 1.1))));
  }
  const QPointF end = line.pointAtPercent(1);
  const QPointF last = end - line.pointAtPercent(0.98);
  std::vector<QPointF> outline(left.begin(), left.end());
  outline.push_back(end + MarineKit::unit(last) * width * 0.2);
  outline.insert(outline.end(), right.rbegin(), right.rend());
  return MarineKit::smoothClosed(outline);
}

// The four mouth arms leave the mouth between the gonads and hang towards the viewer; their
// ends spread so that all four show below the rim.
void paintArms(QPainter& painter) {
  const struct {
    qreal degrees, endDegrees, reach, depth;
  } arms[] = {
      {-90, -58, 0.36, 470}, {180, 160, 0.52, 330}, {0, 20, 0.52, 330}, {90, 112, 0.36, 360}};
  for (const auto& arm : arms) {
    const auto bearing = [&arm](qreal t) {
      return arm.degrees + (arm.endDegrees - arm.degrees) * t;
    };
    const QPainterPath line =
        MarineKit::smoothOpen({underBell(0.04, arm.degrees, 0),
                               underBell(arm.reach * 0.4, bearing(0.3) + 8, arm.depth * 0.25),
                               underBell(arm.reach * 0.7, bearing(0.6) - 8, arm.depth * 0.55),
                               underBell(arm.reach * 0.9, bearing(0.85) + 6, arm.depth * 0.82),
                               underBell(arm.reach, arm.endDegrees, arm.depth)});
    const QPainterPath ribbon = frillyRibbon(line, 62, 9);
    QLinearGradient veil(line.pointAtPercent(0), line.pointAtPercent(1));
    veil.setColorAt(0, QColor(226, 210, 242, 210));
    veil.setColorAt(1, QColor(240, 230, 248, 170));
    painter.fillPath(ribbon, veil);
    MarineKit::outline(painter, ribbon, QColor(150, 126, 190, 210), 1.4);
    MarineKit::outline(painter, line, QColor(180, 150, 210, 110), 4);
  }
}

void paintFringe(QPainter& painter, bool enlarged) {
  const int count = enlarged ? 420 : 300;
  painter.setPen(
      QPen(QColor(236, 232, 246, 220), enlarged ? 1.1 : 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) {
    const qreal degrees = 360.0 * i / count;
    const QPointF base = onBell(rimNotch(degrees) * 0.995, degrees);
    const qreal angle = qDegreesToRadians(degrees);
    const QPointF outward(std::cos(angle), std::sin(angle) * kLevel + 0.45);
    const qreal length = 26 + 7 * std::sin(i * 2.7);
    painter.drawLine(base, base + MarineKit::unit(outward) * length);
  }
  painter.setPen(QPen(QColor(150, 140, 190, 170), 0.9));
  for (int i = 0; i < count; i += 3) {
    const qreal degrees = 360.0 * i / count;
    const QPointF base = onBell(rimNotch(degrees), degrees);
    const qreal angle = qDegreesToRadians(degrees);
    const QPointF outward(std::cos(angle), std::sin(angle) * kLevel + 0.45);
    painter.drawLine(base, base + MarineKit::unit(outward) * 22);
  }
}

void paintBell(QPainter& painter) {
  const QPainterPath bell = rimLine(1);
  QRadialGradient glass(onBell(0.1, -110), kRadius * 1.05);
  glass.setColorAt(0, QColor(250, 252, 255, 120));
  glass.setColorAt(0.7, QColor(200, 222, 242, 130));
  glass.setColorAt(1, QColor(160, 196, 230, 190));
  painter.fillPath(bell, glass);
  QPainterPath sheen(onBell(0.85, 200));
  for (int degrees = 200; degrees <= 265; degrees += 5) sheen.lineTo(onBell(0.85, degrees));
  MarineKit::outline(painter, sheen, QColor(255, 255, 255, 170), 10);
  MarineKit::outline(painter, bell, kRim, 2.2);
}

// A branching canal forks twice on its way to the rim.
QPainterPath branchedCanal(qreal degrees) {
  QPainterPath canal(onBell(0.36, degrees));
  canal.lineTo(onBell(0.62, degrees));
  for (const qreal side : {-1.0, 1.0}) {
    canal.moveTo(onBell(0.62, degrees));
    canal.quadTo(onBell(0.74, degrees + side * 5), onBell(0.97, degrees + side * 9));
    canal.moveTo(onBell(0.76, degrees + side * 5));
    canal.quadTo(onBell(0.86, degrees + side * 3), onBell(0.97, degrees + side * 2));
    canal.moveTo(onBell(0.8, degrees + side * 7));
    canal.quadTo(onBell(0.9, degrees + side * 13), onBell(0.97, degrees + side * 15));
  }
  return canal;
}

// Canals run from the stomach to a ring canal along the rim: eight branching ones between
// eight simple ones.
void paintCanals(QPainter& painter) {
  painter.save();
  painter.setPen(QPen(kCanal, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (int k = 0; k < 8; ++k) {
    const qreal degrees = k * 45.0;
    painter.drawLine(onBell(0.34, degrees + 22.5), onBell(0.96, degrees + 22.5));
    painter.drawPath(branchedCanal(degrees));
  }
  painter.drawPath(rimLine(0.975));
  painter.restore();
}

void paintSenseOrgans(QPainter& painter) {
  for (int k = 0; k < 8; ++k) {
    const QPointF spot = onBell(0.955, 22.5 + k * 45);
    painter.setPen(QPen(QColor(110, 80, 60), 1));
    painter.setBrush(QColor(196, 150, 96));
    painter.drawEllipse(spot, 5, 4);
  }
}

// A point of the bell given flat, in bell radii from the centre.
QPointF onBellPlane(QPointF planar) {
  return onBell(std::hypot(planar.x(), planar.y()),
                qRadiansToDegrees(std::atan2(planar.y(), planar.x())));
}

// Each gonad is a horseshoe whose gap faces the mouth, in the four quarters of the bell.
void paintGonads(QPainter& painter) {
  for (int k = 0; k < 4; ++k) {
    const qreal bearing = qDegreesToRadians(45 + k * 90.0);
    const QPointF out(std::cos(bearing), std::sin(bearing));
    const QPointF across(-out.y(), out.x());
    std::vector<QPointF> points;
    for (int step = -150; step <= 150; step += 10) {
      const qreal turn = qDegreesToRadians(qreal(step));
      points.push_back(
          onBellPlane(out * 0.36 + (out * std::cos(turn) + across * std::sin(turn)) * 0.13));
    }
    const QPainterPath shoe = MarineKit::smoothOpen(points);
    const QPainterPath band =
        MarineKit::taper(shoe, [](qreal t) { return 20 + 10 * std::sin(M_PI * t); });
    QRadialGradient tint(onBellPlane(out * 0.36), 70);
    tint.setColorAt(0, QColor(200, 150, 226, 170));
    tint.setColorAt(1, QColor(150, 94, 200, 200));
    painter.fillPath(band, tint);
    MarineKit::outline(painter, band, QColor(126, 76, 170, 200), 1.4);
  }
}

void paintMouth(QPainter& painter) {
  QPainterPath mouth;
  for (int k = 0; k < 4; ++k) {
    const QPointF corner = onBell(0.1, k * 90.0);
    const QPointF side = onBell(0.04, k * 90.0 + 45);
    if (k == 0) {
      mouth.moveTo(corner);
    } else {
      mouth.lineTo(corner);
    }
    mouth.lineTo(side);
  }
  mouth.closeSubpath();
  painter.fillPath(mouth, QColor(214, 196, 236, 120));
  MarineKit::outline(painter, mouth, QColor(150, 120, 190, 140), 1.4);
}

}  // namespace

void MoonJellyPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  paintArms(painter);
  paintFringe(painter, enlarged);
  paintBell(painter);
  paintCanals(painter);
  paintSenseOrgans(painter);
  paintMouth(painter);
  paintGonads(painter);
}

}  // namespace sylvenor::draw
