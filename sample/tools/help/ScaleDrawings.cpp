#include "ScaleDrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "DiagramKit.h"
#include "HelpPalette.h"
#include "PathKit.h"

namespace sylvenor::draw {

namespace {

const QColor kNetLight(0xbf, 0xa8, 0x68);
const QColor kNetDark(0x7a, 0x62, 0x30);
const QColor kNetSkin(0x4f, 0x3e, 0x1e);
const QColor kNetBand(0x5c, 0x48, 0x22);
const QColor kUnderside(0xee, 0xe4, 0xc8);
const QColor kTileLight(0xe8, 0xf1, 0xf7);
const QColor kTileDark(0x86, 0xa2, 0xb8);
const QColor kTileRim(0x5d, 0x78, 0x8f);
const QColor kPocket(0xe3, 0xb5, 0xb0);
constexpr qreal kNetStepX = 44;
constexpr qreal kNetStepY = 25;
constexpr qreal kTileStepX = 50;
constexpr qreal kTileStepY = 28;
constexpr qreal kTileRadius = 30;
constexpr int kLiftedRow = 4;
constexpr int kLiftedColumn = 5;

}  // namespace

void ScaleDrawings::joinedScales(QPainter& painter) {
  const QPainterPath sheet = PathKit::roundedRect({40, 40, 560, 276}, 30);
  const QPainterPath flap = PathKit::polygon({{470, 40}, {600, 170}, {470, 170}});
  const QPainterPath cut = PathKit::polygon({{470, 40}, {640, 40}, {640, 210}});
  const QPainterPath patch = sheet.subtracted(cut);
  PathKit::fillWithShadow(painter, patch, kNetSkin);
  paintScaleNet(painter, patch);
  paintFoldedCorner(painter, flap);
  DiagramKit::closeUpHint(painter, {40, 5});
  DiagramKit::label(painter, {{306, 202}}, {670, 250}, QStringLiteral("écailles\ncollées"));
  DiagramKit::label(painter, {{510, 140}}, {672, 96}, QStringLiteral("une seule\npeau"));
}

// Scales in staggered rows, all set in one continuous skin: the dark lines between them are
// skin, not gaps.
void ScaleDrawings::paintScaleNet(QPainter& painter, const QPainterPath& patch) {
  painter.save();
  painter.setClipPath(patch, Qt::IntersectClip);
  for (int row = 0; row < 14; ++row) {
    for (int column = 0; column < 15; ++column) {
      const QPointF centre(30 + column * kNetStepX + (row % 2) * kNetStepX / 2,
                           34 + row * kNetStepY);
      const bool band = std::abs(centre.x() - 300 - 60 * std::sin(centre.y() / 40)) < 40;
      const QColor light = band ? kNetBand.lighter(140) : kNetLight;
      const QColor dark = band ? kNetBand : kNetDark;
      const QPainterPath scale = DiagramKit::diamond(centre, kNetStepX / 2 - 2.5, kNetStepY - 2.5);
      painter.fillPath(scale, DiagramKit::rounded(centre, kNetStepX / 2, light, dark));
      DiagramKit::glow(painter, centre + QPointF(-5, -6), 9, 4, -20, QColor(255, 255, 255, 110));
    }
  }
  painter.restore();
}

// The corner of the skin turned over: it lifts all in one piece, no scale comes off alone.
void ScaleDrawings::paintFoldedCorner(QPainter& painter, const QPainterPath& flap) {
  painter.fillPath(flap.translated(6, 8), QColor(0, 0, 0, 60));
  painter.fillPath(flap, DiagramKit::linear({470, 170}, {560, 84}, kUnderside.darker(108),
                                            kUnderside.lighter(104)));
  painter.save();
  painter.setClipPath(flap, Qt::IntersectClip);
  painter.setPen(QPen(QColor(0x9c, 0x8a, 0x60, 70), 1.2));
  painter.setBrush(Qt::NoBrush);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 5; ++column) {
      painter.drawPath(DiagramKit::diamond(
          {462 + column * kNetStepX + (row % 2) * kNetStepX / 2, 30 + row * kNetStepY},
          kNetStepX / 2 - 2.5, kNetStepY - 2.5));
    }
  }
  painter.restore();
  painter.setPen(QPen(kUnderside.darker(140), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(flap);
}

void ScaleDrawings::overlappingScales(QPainter& painter) {
  const QPainterPath patch = PathKit::roundedRect({40, 40, 520, 276}, 30);
  PathKit::fillWithShadow(painter, patch, kPocket);
  painter.save();
  painter.setClipPath(patch, Qt::IntersectClip);
  QPointF pocket;
  for (int row = 11; row >= 0; --row) {
    for (int column = 0; column < 12; ++column) {
      const QPointF centre(30 + column * kTileStepX + (row % 2) * kTileStepX / 2,
                           24 + row * kTileStepY);
      if (row == kLiftedRow && column == kLiftedColumn) {
        pocket = centre;
        paintEmptyPocket(painter, centre, kTileRadius);
      } else {
        paintTile(painter, centre, kTileRadius);
      }
    }
  }
  painter.restore();
  const QPointF lifted(650, 120);
  QPainterPath path(pocket + QPointF(14, 14));
  path.cubicTo(pocket + QPointF(120, 40), lifted + QPointF(-110, 40), lifted + QPointF(-52, 6));
  painter.save();
  painter.translate(lifted);
  painter.rotate(-18);
  painter.fillPath(PathKit::circle({6, 9}, 46), QColor(0, 0, 0, 50));
  painter.scale(1.5, 1.5);
  paintTile(painter, {0, 0}, kTileRadius);
  painter.setPen(QPen(QColor(0x5d, 0x78, 0x8f, 110), 0.9, Qt::SolidLine, Qt::RoundCap));
  for (int ray = -2; ray <= 2; ++ray) {
    painter.drawLine(QPointF(ray * 2, -6), QPointF(ray * 9, -26));
  }
  painter.restore();
  DiagramKit::arrow(painter, path, HelpPalette::kArrow);
  DiagramKit::closeUpHint(painter, {40, 5});
  DiagramKit::label(painter, {{660, 150}}, {650, 262}, QStringLiteral("une écaille\ndétachée"));
}

// A loose scale: only its lower edge shows, the rest hides under the row above, like a tile.
void ScaleDrawings::paintTile(QPainter& painter, QPointF centre, qreal radius) {
  const QPainterPath disc = PathKit::circle(centre, radius);
  PathKit::fillOutlined(
      painter, disc,
      DiagramKit::rounded(centre + QPointF(0, radius * 0.5), radius * 1.2, kTileLight, kTileDark),
      kTileRim, 1.6);
  painter.save();
  painter.setPen(QPen(QColor(0x5d, 0x78, 0x8f, 70), 1));
  painter.setBrush(Qt::NoBrush);
  for (const qreal ring : {0.45, 0.7}) {
    painter.drawEllipse(centre, radius * ring, radius * ring);
  }
  painter.restore();
  DiagramKit::glow(painter, centre + QPointF(0, radius * 0.62), radius * 0.55, radius * 0.16, 0,
                   QColor(255, 255, 255, 200));
}

// Where a scale was pulled out: the bare skin of its little pocket shows.
void ScaleDrawings::paintEmptyPocket(QPainter& painter, QPointF centre, qreal radius) {
  const QPainterPath disc = PathKit::circle(centre, radius);
  painter.fillPath(disc,
                   DiagramKit::rounded(centre, radius, kPocket.lighter(108), kPocket.darker(115)));
  painter.save();
  painter.setPen(QPen(kPocket.darker(135), 1.6, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(disc);
  painter.restore();
}

}  // namespace sylvenor::draw
