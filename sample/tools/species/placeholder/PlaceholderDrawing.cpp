#include "PlaceholderDrawing.h"

#include <QPainter>

#include "DrawingCatalog.h"
#include "PathKit.h"
#include "Typeface.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&PlaceholderDrawing::addTo);

void paint(QPainter& painter) {
  const QColor grey(180, 180, 180);
  painter.fillRect(QRectF(0, 0, DrawingCatalog::kCanvasWidth, DrawingCatalog::kCanvasHeight),
                   QColor(236, 236, 236));
  painter.setPen(QPen(grey, 6));
  painter.drawRect(
      QRectF(3, 3, DrawingCatalog::kCanvasWidth - 6, DrawingCatalog::kCanvasHeight - 6));
  painter.setPen(QPen(grey, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawRoundedRect(QRectF(345, 125, 310, 250), 30, 30);
  painter.setPen(Qt::NoPen);
  painter.fillPath(PathKit::polygon({{380, 335}, {460, 225}, {515, 300}, {555, 262}, {620, 335}}),
                   grey);
  painter.fillPath(PathKit::circle({575, 195}, 28), grey);
  painter.setPen(QColor(112, 112, 112));
  painter.setFont(Typeface::sans(92, QFont::Bold));
  painter.drawText(QRectF(40, 440, 920, 160), Qt::AlignCenter, QStringLiteral("Pas de photo"));
}

}  // namespace

void PlaceholderDrawing::addTo(DrawingCatalog& catalog) {
  catalog.add("pas-de-photo", paint, false);
}

}  // namespace sylvenor::draw
