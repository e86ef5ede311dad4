#include "SeaUrchinPainter.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

#include "MarineKit.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QPointF kCentre(500, 372);
constexpr qreal kShellRadius = 176;
constexpr qreal kShellHeight = 98;
constexpr qreal kSpineLength = 116;
// The bare patch, where the spines have been lost: the top of the shell, where the five
// double bands meet, and a sector down one side.
constexpr qreal kBareFrom = -112;
constexpr qreal kBareTo = -8;
constexpr qreal kBareDown = 76;  // degrees from the top of the shell
constexpr qreal kBareTop = 30;

const QColor kSpineDark(58, 22, 70);
const QColor kSpineLight(168, 104, 190);

struct Spine {
  QPointF base;
  QPointF tip;
  qreal light;  // 0 in shade, 1 facing the light
  qreal width;
};

// A point of the shell by its angle from the top (0 to 180) and its bearing, seen from above.
QPointF onShell(qreal fromTop, qreal bearing) {
  return MarineKit::polar(kCentre, kShellRadius * std::sin(qDegreesToRadians(fromTop)), bearing);
}

bool inBarePatch(qreal fromTop, qreal bearing) {
  if (fromTop < kBareTop) return true;
  return fromTop < kBareDown && bearing > kBareFrom && bearing < kBareTo;
}

std::vector<Spine> spines(bool lower) {
  std::mt19937 random(lower ? 71 : 73);
  std::vector<Spine> all;
  for (qreal fromTop = lower ? 132 : 90; fromTop > (lower ? 90 : 4); fromTop -= 4.2) {
    const qreal polar = qDegreesToRadians(fromTop);
    const qreal ring = kShellRadius * std::sin(polar);
    const int count = std::max(6, int(2 * M_PI * ring / 13));
    const qreal turn = MarineKit::uniform(random, 0, 360);
    for (int i = 0; i < count; ++i) {
      const qreal bearing =
          std::remainder(turn + 360.0 * i / count + MarineKit::uniform(random, -2, 2), 360.0);
      if (inBarePatch(fromTop, bearing)) continue;
      // Outward part of the normal of the flattened shell, plus a lean of each spine.
      const qreal outward =
          std::sin(polar) * kShellHeight /
          std::hypot(std::sin(polar) * kShellHeight, std::cos(polar) * kShellRadius);
      const qreal lean = MarineKit::uniform(random, -18, 18);
      const qreal length = kSpineLength * MarineKit::uniform(random, 0.82, 1.08) *
                           std::clamp(outward + 0.28, 0.0, 1.0);
      const QPointF base = onShell(fromTop, bearing);
      const QPointF tip = MarineKit::polar(base, length, bearing + lean);
      const qreal facing = std::cos(qDegreesToRadians(bearing + lean + 135));
      all.push_back({base, tip, 0.5 + 0.5 * facing, fromTop > 90 ? 6.5 : 7.5});
    }
  }
  return all;
}

void paintSpine(QPainter& painter, const Spine& spine) {
  const QPainterPath shape = MarineKit::spindle(spine.base, spine.tip, spine.width, 1.3);
  painter.fillPath(shape, MarineKit::blend(kSpineDark, kSpineLight, spine.light * 0.85));
  MarineKit::outline(painter, shape, QColor(36, 10, 44, 200), 0.7);
  const QPointF side = (spine.tip - spine.base) / 40;
  painter.setPen(
      QPen(QColor(230, 196, 240, int(60 + 90 * spine.light)), 1.1, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(spine.base + side + QPointF(-side.y(), side.x()) * 0.8,
                   spine.tip - side * 4 + QPointF(-side.y(), side.x()) * 0.2);
}

QPainterPath barePatch() {
  QPainterPath patch(kCentre);
  const qreal radius = kShellRadius * std::sin(qDegreesToRadians(kBareDown)) + 6;
  patch.arcTo(QRectF(kCentre.x() - radius, kCentre.y() - radius, 2 * radius, 2 * radius),
              -kBareFrom, -(kBareTo - kBareFrom));
  patch.closeSubpath();
  return patch.united(
      PathKit::circle(kCentre, kShellRadius * std::sin(qDegreesToRadians(kBareTop)) + 4));
}

// Five double bands of plates: narrow ones with pores for the tube feet, wide ones between.
void paintPlates(QPainter& painter, bool enlarged) {
  painter.setPen(QPen(QColor(90, 104, 86), 1.2));
  for (int k = 0; k < 5; ++k) {
    const qreal middle = -90 + 72.0 * k;
    for (const qreal edge : {middle - 13, middle + 13}) {
      QPainterPath seam(onShell(12, edge));
      for (qreal t = 14; t <= 90; t += 4) seam.lineTo(onShell(t, edge));
      painter.drawPath(seam);
    }
    for (const qreal centre : {middle, middle + 36}) {
      QPainterPath zigzag(onShell(12, centre));
      int step = 0;
      for (qreal t = 16; t <= 90; t += 6, ++step)
        zigzag.lineTo(onShell(t, centre + (step % 2 ? 2.5 : -2.5)));
      painter.drawPath(zigzag);
    }
  }
  for (int k = 0; k < 5; ++k) {
    const qreal middle = -90 + 72.0 * k;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 62, 50, 200));
    for (qreal t = 17; t < 88; t += enlarged ? 2.6 : 3.6) {
      for (const qreal side : {-1.0, 1.0}) {
        painter.drawEllipse(onShell(t, middle + side * 11), 1.6, 1.6);
        if (enlarged) painter.drawEllipse(onShell(t + 1, middle + side * 9.5), 1.3, 1.3);
      }
    }
  }
}

void paintTubercle(QPainter& painter, QPointF at, qreal radius) {
  painter.setPen(QPen(QColor(92, 108, 88), 1));
  painter.setBrush(QColor(150, 168, 140));
  painter.drawEllipse(at, radius * 1.7, radius * 1.7);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(238, 240, 226));
  painter.drawEllipse(at, radius, radius);
  painter.setBrush(QColor(120, 60, 130, 200));
  painter.drawEllipse(at, radius * 0.35, radius * 0.35);
}

// Every plate carries the ball-shaped base of a spine, and the wide bands smaller ones too.
void paintTubercles(QPainter& painter) {
  for (int k = 0; k < 5; ++k) {
    const qreal middle = -90 + 72.0 * k;
    for (qreal t = 20; t < 88; t += 7) {
      const qreal size = 2.4 + 2.4 * std::sin(qDegreesToRadians(t));
      for (const qreal side : {-1.0, 1.0}) {
        paintTubercle(painter, onShell(t, middle + side * 5.5), size * 0.8);
        paintTubercle(painter, onShell(t + 2, middle + 36 + side * 10), size);
        paintTubercle(painter, onShell(t + 4.5, middle + 36 + side * 20), size * 0.6);
      }
    }
  }
}

// At the top: the anus in a small ring of plates, with ten plates around it.
void paintApex(QPainter& painter) {
  for (int k = 0; k < 5; ++k) {
    const qreal middle = -90 + 72.0 * k;
    const QPointF genital = MarineKit::polar(kCentre, 24, middle + 36);
    const QPainterPath plate =
        PathKit::rotated(PathKit::polygon({genital + QPointF(-11, -9), genital + QPointF(11, -9),
                                           genital + QPointF(13, 6), genital + QPointF(0, 14),
                                           genital + QPointF(-13, 6)}),
                         genital, middle + 36 + 90);
    PathKit::fillOutlined(painter, plate, k == 0 ? QColor(196, 200, 170) : QColor(168, 180, 156),
                          QColor(86, 98, 82), 1.2);
    painter.setBrush(QColor(60, 40, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(genital, 2.4, 2.4);
    const QPainterPath ocular = PathKit::circle(MarineKit::polar(kCentre, 30, middle), 5.5);
    PathKit::fillOutlined(painter, ocular, QColor(176, 186, 160), QColor(86, 98, 82), 1);
  }
  const QPainterPath anus = PathKit::circle(kCentre, 13);
  PathKit::fillOutlined(painter, anus, QColor(110, 80, 110), QColor(60, 40, 60), 1.2);
}

void paintBareShell(QPainter& painter, bool enlarged) {
  const QPainterPath patch = barePatch();
  painter.save();
  painter.setClipPath(patch, Qt::IntersectClip);
  QRadialGradient shell(kCentre - QPointF(40, 60), kShellRadius * 1.1);
  shell.setColorAt(0, QColor(186, 198, 168));
  shell.setColorAt(0.7, QColor(140, 156, 128));
  shell.setColorAt(1, QColor(92, 104, 86));
  painter.fillPath(patch, shell);
  paintPlates(painter, enlarged);
  paintTubercles(painter);
  paintApex(painter);
  painter.restore();
}

void paintTubeFoot(QPainter& painter, QPointF base, qreal reach, qreal bearing, qreal bend) {
  QPainterPath foot(base);
  const QPointF end = MarineKit::polar(base, reach, bearing + bend);
  foot.quadTo(MarineKit::polar(base, reach * 0.5, bearing - bend), end);
  const QPainterPath shape = MarineKit::taper(foot, 4.6, 3.2);
  painter.fillPath(shape, QColor(190, 150, 184, 170));
  MarineKit::outline(painter, shape, QColor(84, 44, 80, 220), 1);
  painter.setPen(QPen(QColor(56, 24, 52), 1));
  painter.setBrush(QColor(120, 70, 112));
  painter.drawEllipse(end, 4.2, 4.2);
}

// Tube feet: thin and soft, ending in a little sucker; they come out of the pores of the narrow
// bands and reach out between the spines.
void paintTubeFeet(QPainter& painter) {
  std::mt19937 random(79);
  for (int i = 0; i < 11; ++i) {
    const qreal bearing = MarineKit::uniform(random, -180, 180);
    if (inBarePatch(50, bearing)) continue;
    paintTubeFoot(painter, onShell(84, bearing),
                  kSpineLength * MarineKit::uniform(random, 1.05, 1.3), bearing,
                  MarineKit::uniform(random, -14, 14));
  }
  for (int k = 0; k < 5; ++k) {
    const qreal middle = -90 + 72.0 * k;
    for (qreal t = 24 + 6 * (k % 2); t < 72; t += 16) {
      const qreal side = k % 2 ? 1 : -1;
      const qreal bearing = middle + side * 11;
      if (!inBarePatch(t, bearing)) continue;
      paintTubeFoot(painter, onShell(t, bearing), MarineKit::uniform(random, 16, 30),
                    bearing + side * 30, MarineKit::uniform(random, -20, 20));
    }
  }
}

}  // namespace

void SeaUrchinPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  MarineKit::softShadow(painter, kCentre + QPointF(14, 24), kShellRadius + kSpineLength,
                        (kShellRadius + kSpineLength) * 0.92, 70);
  for (const Spine& spine : spines(true)) paintSpine(painter, spine);
  painter.fillPath(PathKit::circle(kCentre, kShellRadius), QColor(54, 26, 60));
  paintBareShell(painter, enlarged);
  for (const Spine& spine : spines(false)) paintSpine(painter, spine);
  paintTubeFeet(painter);
}

}  // namespace sylvenor::draw
