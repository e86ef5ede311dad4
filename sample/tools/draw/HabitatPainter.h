#pragma once

#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;

namespace sylvenor::draw {

// Where a species lives (the Repartition code), told with a small picture and a plain sentence.
class HabitatPainter {
 public:
  static QString sentence(std::int16_t repartition);
  static void paintIcon(QPainter& painter, std::int16_t repartition, const QRectF& square);

 private:
  static void paintHills(QPainter& painter);
  static void paintMountain(QPainter& painter);
  static void paintWaves(QPainter& painter);
  static void paintSun(QPainter& painter);
};

}  // namespace sylvenor::draw
