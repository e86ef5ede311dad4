#pragma once

#include <QPainterPath>
#include <QRectF>
#include <cstdint>

class QPainter;

namespace sylvenor::draw {

// A broken piece of grey granite seen from above, speckled with its crystals: the support of
// the lichens that grow on rock.
class GranitePiece {
 public:
  static QPainterPath outline(const QRectF& area, std::uint32_t seed);
  static void paint(QPainter& painter, const QPainterPath& outline, std::uint32_t seed,
                    bool detailed);

 private:
  static void paintCrystals(QPainter& painter, const QRectF& box, std::uint32_t seed,
                            bool detailed);
};

}  // namespace sylvenor::draw
