#pragma once

#include <QPainterPath>
#include <QRectF>
#include <cstdint>

class QPainter;

namespace sylvenor::draw {

// A small slab of grey bark seen from above, with its fissures and a glimpse of its thickness:
// the support of the lichens that grow on trees.
class BarkPiece {
 public:
  static QPainterPath outline(const QRectF& area, std::uint32_t seed);
  static void paint(QPainter& painter, const QPainterPath& outline, std::uint32_t seed,
                    bool detailed);

 private:
  static void paintFissures(QPainter& painter, const QRectF& box, std::uint32_t seed,
                            bool detailed);
};

}  // namespace sylvenor::draw
