#include "MapLichenDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include "AreoleMosaic.h"
#include "GranitePiece.h"
#include "LowPlantKit.h"

namespace sylvenor::draw {

using Kit = LowPlantKit;

namespace {

const QColor kBlack(26, 26, 24);
const QColor kYellowGreen(200, 214, 44);
constexpr qreal kGap = 3;
constexpr qreal kBorder = 9;

}  // namespace

void MapLichenDrawing::paint(QPainter& painter) {
  const bool detailed = Kit::isEnlarged(painter);
  GranitePiece::paint(painter, GranitePiece::outline(QRectF(50, 40, 900, 650), 29), 29, detailed);
  const QVector<Thallus> crusts = thalli();
  // The black first layer shows round each crust and wherever two crusts meet.
  for (const Thallus& thallus : crusts) painter.fillPath(thallus.outline, kBlack);
  const QVector<AreoleMosaic::Cell> cells = AreoleMosaic::cells(QRectF(140, 100, 740, 540), 27, 88);
  for (const AreoleMosaic::Cell& cell : cells) {
    const int crust = owner(crusts, cell.site);
    if (crust < 0) continue;
    QPainterPath patch;
    patch.addPolygon(AreoleMosaic::inset(cell.outline, cell.site, kGap));
    patch.closeSubpath();
    // Patches at the rim are cut short by it rather than left out.
    patch = patch.intersected(crusts[crust].inner);
    if (!patch.isEmpty()) paintPatch(painter, patch, cell.site, detailed);
  }
  Kit::Random random(5);
  for (const QPointF& corner : AreoleMosaic::corners(cells)) {
    const int crust = owner(crusts, corner);
    const bool clear = crust >= 0 && crusts[crust].inner.contains(
                                         QRectF(corner - QPointF(12, 12), QSizeF(24, 24)));
    if (clear && Kit::chance(random, 0.3)) {
      paintFruit(painter, corner, Kit::uniform(random, 6.5, 9.5));
    }
  }
}

QVector<MapLichenDrawing::Thallus> MapLichenDrawing::thalli() {
  QVector<Thallus> result{{{410, 360}, 255, 215, {}, {}},
                          {{738, 446}, 140, 140, {}, {}},
                          {{720, 218}, 110, 82, {}, {}}};
  Kit::Random random(14);
  for (Thallus& thallus : result) {
    thallus.outline = Kit::blob(thallus.centre, thallus.radiusX, thallus.radiusY, 0.1, 14, random);
    const QPointF c = thallus.centre;
    thallus.inner = QTransform()
                        .translate(c.x(), c.y())
                        .scale(1 - kBorder / thallus.radiusX, 1 - kBorder / thallus.radiusY)
                        .translate(-c.x(), -c.y())
                        .map(thallus.outline);
  }
  return result;
}

int MapLichenDrawing::owner(const QVector<Thallus>& thalli, QPointF point) {
  // The crust whose rim holds the point, unless it lies where two crusts meet: that band is
  // left black between them.
  int found = -1;
  qreal best = 1e9;
  qreal second = 1e9;
  for (int k = 0; k < thalli.size(); ++k) {
    const QPointF offset = point - thalli[k].centre;
    const qreal distance =
        qSqrt(qPow(offset.x() / thalli[k].radiusX, 2) + qPow(offset.y() / thalli[k].radiusY, 2));
    if (distance < best) {
      second = best;
      best = distance;
      found = thalli[k].inner.contains(point) ? k : -1;
    } else {
      second = qMin(second, distance);
    }
  }
  return second - best < 0.12 ? -1 : found;
}

void MapLichenDrawing::paintPatch(QPainter& painter, const QPainterPath& shape, QPointF site,
                                  bool detailed) {
  Kit::Random random(std::uint32_t(site.x() * 31 + site.y() * 7));
  const QColor colour =
      Kit::mix(kYellowGreen, Kit::chance(random, 0.5) ? QColor(226, 232, 96) : QColor(160, 182, 30),
               Kit::uniform(random, 0, 0.6));
  const QRectF box = shape.boundingRect();
  QLinearGradient light(box.topLeft(), box.bottomRight());
  light.setColorAt(0, colour.lighter(118));
  light.setColorAt(1, colour.darker(118));
  Kit::fillOutlined(painter, shape, light, colour.darker(160), 1.2);
  if (!detailed) return;
  painter.save();
  painter.setClipPath(shape);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(120, 130, 20, 70));
  for (int i = 0; i < 6; ++i) {
    painter.drawEllipse(Kit::pointIn(random, box), 1.1, 1.1);
  }
  painter.restore();
}

void MapLichenDrawing::paintFruit(QPainter& painter, QPointF at, qreal size) {
  // Flat black discs, angular where the patches press on them.
  Kit::Random random(std::uint32_t(at.x() * 13 + at.y()));
  QPolygonF disc;
  for (int k = 0; k < 6; ++k) {
    disc << Kit::polar(at, size * Kit::uniform(random, 0.75, 1.1), 60.0 * k + 15);
  }
  QPainterPath shape;
  shape.addPolygon(disc);
  shape.closeSubpath();
  Kit::fillOutlined(painter, shape, QColor(20, 20, 18), QColor(8, 8, 8), 1);
  Kit::outline(painter,
               Kit::smoothOpen({at + QPointF(-size * 0.5, -size * 0.3),
                                at + QPointF(size * 0.2, -size * 0.55)}),
               QColor(120, 120, 112, 160), 1);
}

}  // namespace sylvenor::draw
