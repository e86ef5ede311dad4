#include "CommonStarfishPainter.h"

#include <QPainter>
#include <QtMath>

#include "MarineKit.h"
#include "SeaStarBody.h"

namespace sylvenor::draw {

namespace {

const QColor kBase(212, 112, 50);
const QColor kRidge(250, 176, 96);
const QColor kRim(116, 48, 22);
const QColor kOutline(104, 42, 18);
const QColor kSpine(252, 246, 232);

SeaStarBody body() {
  return SeaStarBody({500, 400}, 338, 96, [](qreal t) { return 70 * std::pow(1 - t, 0.78) + 7; },
                     {4, -6, 3, -4, 6});
}

constexpr qreal kMesh = 17;

using Lattice = std::vector<std::vector<QPointF>>;

// Knots of the net in staggered rows, a little irregular as living tissue is.
Lattice plateKnots(const QRectF& box) {
  std::mt19937 random(5);
  Lattice rows;
  for (qreal y = box.top(); y < box.bottom() + kMesh; y += kMesh * 0.87) {
    std::vector<QPointF> row;
    const qreal shift = rows.size() % 2 ? kMesh / 2 : 0;
    for (qreal x = box.left() + shift; x < box.right() + kMesh; x += kMesh) {
      row.push_back(
          {x + MarineKit::uniform(random, -3.5, 3.5), y + MarineKit::uniform(random, -3.5, 3.5)});
    }
    rows.push_back(row);
  }
  return rows;
}

// The skeleton is a net of small chalky plates; the soft skin between them is darker.
void paintPlateNet(QPainter& painter, const SeaStarBody& star) {
  const Lattice rows = plateKnots(star.outline().boundingRect());
  painter.save();
  painter.setClipPath(star.outline(), Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(120, 52, 40, 80));
  for (const auto& row : rows) {
    for (const QPointF& point : row) painter.drawEllipse(point + QPointF(kMesh / 2, 4), 4.5, 4);
  }
  painter.setPen(QPen(QColor(246, 168, 96, 120), 3, Qt::SolidLine, Qt::RoundCap));
  for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
    const std::size_t shift = r % 2;
    for (std::size_t i = 0; i + 1 < rows[r].size(); ++i) {
      painter.drawLine(rows[r][i], rows[r][i + 1]);
      if (i + shift < rows[r + 1].size()) painter.drawLine(rows[r][i], rows[r + 1][i + shift]);
      if (i + shift >= 1) painter.drawLine(rows[r][i], rows[r + 1][i + shift - 1]);
    }
  }
  painter.restore();
}

// Seen closer, each spine wears a wreath of tiny pincers.
void paintSpine(QPainter& painter, QPointF at, qreal radius, bool enlarged) {
  if (enlarged) {
    painter.setBrush(QColor(250, 220, 200, 170));
    for (int k = 0; k < 8; ++k) {
      painter.drawEllipse(MarineKit::polar(at, radius * 1.75, k * 45.0 + radius * 20), 1, 1);
    }
  }
  painter.setBrush(QColor(70, 30, 10, 90));
  painter.drawEllipse(at + QPointF(radius * 0.35, radius * 0.5), radius, radius);
  painter.setBrush(kSpine);
  painter.drawEllipse(at, radius, radius);
  painter.setBrush(QColor(255, 255, 255));
  painter.drawEllipse(at - QPointF(radius * 0.3, radius * 0.3), radius * 0.4, radius * 0.4);
}

// One row down the middle of each arm, and rows on each flank and along the edges.
void paintSpines(QPainter& painter, const SeaStarBody& star, bool enlarged) {
  painter.setPen(Qt::NoPen);
  std::mt19937 random(9);
  for (int arm = 0; arm < SeaStarBody::kArms; ++arm) {
    for (const qreal across : {-0.86, -0.5, 0.0, 0.5, 0.86}) {
      const qreal start = across == 0 ? 0.2 : 0.26;
      const int count = across == 0 ? 19 : 16;
      for (int i = 0; i < count; ++i) {
        const qreal along = start + (0.95 - start) * i / (count - 1);
        const qreal wobble = MarineKit::uniform(random, -0.05, 0.05);
        const qreal radius = (across == 0 ? 5.4 : 4.2) * (1 - 0.45 * along);
        paintSpine(painter, star.onArm(arm, along, across + wobble), radius, enlarged);
      }
    }
  }
  for (int i = 0; i < 26; ++i) {
    const qreal distance = star.discRadius() * std::sqrt(MarineKit::uniform(random, 0, 1)) * 0.9;
    paintSpine(painter,
               MarineKit::polar(star.centre(), distance, MarineKit::uniform(random, 0, 360)), 4.4,
               enlarged);
  }
}

// The sieve plate lets sea water into the tube feet: a small pale disc with fine grooves.
void paintMadreporite(QPainter& painter, const SeaStarBody& star) {
  const QPointF at = MarineKit::polar(star.centre(), star.discRadius() * 0.55, star.betweenArms(0));
  const qreal radius = 13;
  painter.setPen(QPen(QColor(120, 70, 30), 1.4));
  painter.setBrush(QColor(244, 206, 128));
  painter.drawEllipse(at, radius, radius);
  painter.setPen(QPen(QColor(170, 110, 50), 0.9));
  for (int k = 0; k < 12; ++k) {
    painter.drawLine(MarineKit::polar(at, radius * 0.25, k * 30.0),
                     MarineKit::polar(at, radius * 0.85, k * 30.0 + 14));
  }
}

}  // namespace

void CommonStarfishPainter::paint(QPainter& painter) {
  const bool enlarged = MarineKit::isEnlarged(painter);
  const SeaStarBody star = body();
  star.paintShadow(painter, QColor(60, 50, 40, 22));
  star.paintVolume(painter, kRidge, kBase, kRim);
  paintPlateNet(painter, star);
  paintSpines(painter, star, enlarged);
  paintMadreporite(painter, star);
  star.paintOutline(painter, kOutline);
}

}  // namespace sylvenor::draw
