#include "UsneaDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "PathKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QColor kThread(182, 196, 152);
const QColor kThreadEdge(110, 126, 92);
const QColor kCord(252, 252, 244);
// Where the tufts of the beard hold on to the twig.
const QVector<qreal> kHolds{250, 320, 390, 460, 580, 650, 720};

qreal twigY(qreal x) { return 118 - (x - 80) * 0.03 + 6 * qSin(x / 160); }

}  // namespace

void UsneaDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  paintTwig(painter, detailed);
  for (const Thread& thread : beard()) paintThread(painter, thread, detailed);
  paintBrokenThread(painter, detailed);
  // Each tuft grips the bark by a small darker disc.
  for (const qreal x : kHolds) {
    Kit::fillOutlined(painter, PathKit::ellipse(QPointF(x, twigY(x) + 10), 9, 5),
                      QColor(136, 150, 110), kThreadEdge, 1);
  }
}

QVector<UsneaDrawing::Thread> UsneaDrawing::beard() {
  Kit::Random random(73);
  QVector<Thread> threads;
  for (const qreal x : kHolds) {
    const int count = 3 + int(Kit::uniform(random, 0, 3));
    for (int i = 0; i < count; ++i) {
      const qreal heading = 90 + Kit::uniform(random, -38, 38);
      grow(threads, QPointF(x + Kit::uniform(random, -8, 8), twigY(x) + 10), heading,
           Kit::uniform(random, 360, 560), 5, 0, random);
    }
  }
  return threads;
}

void UsneaDrawing::grow(QVector<Thread>& threads, QPointF start, qreal heading, qreal length,
                        qreal width, int depth, Kit::Random& random) {
  // Threads leave the twig at an angle and soon hang straight down under their weight.
  const int steps = qMax(4, int(length / 14));
  QVector<QPointF> spine{start};
  for (int i = 1; i <= steps; ++i) {
    heading += (90 - heading) * 0.08 + Kit::uniform(random, -6, 6);
    spine << Kit::polar(spine.last(), length / steps, heading);
    const bool branching = depth < 2 && i > 3 && i < steps - 4 && Kit::chance(random, 0.1);
    if (branching) {
      const qreal side = Kit::chance(random, 0.5) ? 1 : -1;
      grow(threads, spine.last(), heading + side * Kit::uniform(random, 18, 34),
           length * (1 - qreal(i) / steps) * Kit::uniform(random, 0.5, 0.85), width * 0.7,
           depth + 1, random);
    }
  }
  threads.prepend({spine, width});
}

void UsneaDrawing::paintTwig(QPainter& painter, bool detailed) {
  QVector<QPointF> spine;
  for (int x = 90; x <= 910; x += 41) spine << QPointF(x, twigY(x));
  const QPainterPath twig = Kit::ribbon(spine, [](qreal t) { return 36 - 10 * t; });
  QLinearGradient round(0, 92, 0, 142);
  round.setColorAt(0, QColor(112, 96, 80));
  round.setColorAt(0.3, QColor(160, 142, 120));
  round.setColorAt(0.6, QColor(122, 104, 86));
  round.setColorAt(1, QColor(72, 58, 44));
  Kit::fillOutlined(painter, twig, round, QColor(60, 48, 36), 1.4);
  painter.save();
  painter.setClipPath(twig);
  Kit::Random random(4);
  const int marks = detailed ? 90 : 45;
  for (int i = 0; i < marks; ++i) {
    const qreal x = Kit::uniform(random, 90, 910);
    const qreal y = twigY(x) + Kit::uniform(random, -12, 12);
    // Bark cracks across the twig, and pale pores along it.
    if (Kit::chance(random, 0.6)) {
      Kit::outline(painter, Kit::smoothOpen({{x, y - 6}, {x + 2, y}, {x, y + 6}}),
                   QColor(60, 48, 36, 150), 1.4);
    } else {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(200, 184, 160, 150));
      painter.drawEllipse(QPointF(x, y), 4, 1.4);
    }
  }
  painter.restore();
  // Both ends are cut, showing pale wood inside a ring of bark.
  paintCutEnd(painter, spine.first(), 18);
  paintCutEnd(painter, spine.last(), 13);
}

void UsneaDrawing::paintCutEnd(QPainter& painter, QPointF centre, qreal radius) {
  Kit::fillOutlined(painter, PathKit::ellipse(centre, radius * 0.45, radius), QColor(96, 78, 60),
                    QColor(60, 48, 36), 1.2);
  Kit::fillOutlined(painter, PathKit::ellipse(centre, radius * 0.33, radius * 0.78),
                    QColor(222, 204, 166), QColor(150, 126, 92), 0.8);
  Kit::outline(painter, PathKit::ellipse(centre, radius * 0.16, radius * 0.38),
               QColor(170, 146, 110), 0.8);
}

void UsneaDrawing::paintThread(QPainter& painter, const Thread& thread, bool detailed) {
  const qreal width = thread.width;
  const QPainterPath body =
      Kit::ribbon(thread.spine, [width](qreal t) { return width * (1 - 0.65 * t) + 0.6; });
  paintFibrils(painter, thread, detailed);
  Kit::fillOutlined(painter, body, kThread, kThreadEdge, 0.9);
  Kit::outline(painter, Kit::smoothOpen(thread.spine).translated(-width * 0.2, 0),
               QColor(232, 240, 214, 140), qMax(0.8, width * 0.25));
}

void UsneaDrawing::paintFibrils(QPainter& painter, const Thread& thread, bool detailed) {
  // Tiny stiff side fibrils stand out all along each thread.
  Kit::Random random(std::uint32_t(thread.spine.first().x() * 7 + thread.spine.last().y()));
  const QPainterPath line = Kit::smoothOpen(thread.spine);
  const int count = int(line.length() / (detailed ? 8 : 12));
  for (int i = 1; i < count; ++i) {
    const qreal t = qreal(i) / count;
    const QPointF at = line.pointAtPercent(t);
    const qreal side = i % 2 == 0 ? 1 : -1;
    const qreal angle = -line.angleAtPercent(t) + side * Kit::uniform(random, 55, 85);
    const QPointF tip = Kit::polar(at, Kit::uniform(random, 6, 13) * (1 - 0.4 * t), angle);
    Kit::outline(painter, Kit::smoothOpen({at, tip}), kThreadEdge, 1.5);
    Kit::outline(painter, Kit::smoothOpen({at, tip}), kThread, 0.7);
  }
}

void UsneaDrawing::paintBrokenThread(QPainter& painter, bool detailed) {
  // At the edge of the beard: a thread pulled apart. Its green cortex has torn, but the white
  // elastic cord at its core still holds the two pieces together.
  const QPointF hold(250, twigY(250) + 10);
  const QVector<QPointF> upper = Kit::curve(hold, {200, 250}, {196, 360}, 14);
  const QVector<QPointF> lower = Kit::curve({198, 446}, {210, 560}, {196, 680}, 12);
  paintFibrils(painter, {upper, 7}, detailed);
  paintFibrils(painter, {lower, 6}, detailed);
  const QPainterPath cord = Kit::smoothOpen({{196, 352}, {199, 400}, {198, 454}});
  Kit::outline(painter, cord, QColor(104, 108, 96), 7.5);
  QLinearGradient round(193, 0, 205, 0);
  round.setColorAt(0, QColor(214, 216, 206));
  round.setColorAt(0.4, kCord);
  round.setColorAt(1, QColor(196, 198, 186));
  painter.save();
  painter.setPen(QPen(QBrush(round), 5.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(cord);
  painter.restore();
  Kit::fillOutlined(painter, Kit::ribbon(upper, [](qreal t) { return 10 - 2 * t; }), kThread,
                    kThreadEdge, 1);
  Kit::fillOutlined(painter, Kit::ribbon(lower, [](qreal t) { return 8.5 - 5.5 * t; }), kThread,
                    kThreadEdge, 1);
  Kit::outline(painter, Kit::smoothOpen(upper).translated(-1.8, 0), QColor(232, 240, 214, 140), 2);
  paintTornEnd(painter, upper.last(), 90, 8.5);
  paintTornEnd(painter, lower.first(), -90, 8.5);
}

void UsneaDrawing::paintTornEnd(QPainter& painter, QPointF end, qreal heading, qreal width) {
  // A ragged collar of torn cortex round the cord.
  painter.save();
  painter.translate(end);
  painter.rotate(heading - 90);
  const qreal half = width / 2 + 0.6;
  const QPainterPath collar = Kit::smoothClosed({{-half, -4},
                                                 {-half - 1, 4},
                                                 {-half * 0.6, 9},
                                                 {-half * 0.2, 4},
                                                 {half * 0.2, 10},
                                                 {half * 0.6, 5},
                                                 {half + 1, 8},
                                                 {half, -4}});
  Kit::fillOutlined(painter, collar, kThread, kThreadEdge, 0.8);
  painter.restore();
}

}  // namespace sylvenor::draw
