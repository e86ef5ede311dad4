#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <cstddef>
#include <vector>

class QPainter;

namespace sylvenor::draw::arthropods {

// How a leg or an antenna looks: banded legs get a dark ring at the far end of each segment,
// spiny legs a few dark spines pointing towards the tip.
struct LimbStyle {
  QColor fill = Qt::gray;
  QColor outline = {};  // left invalid: a darker shade of the fill
  qreal outlineWidth = 1.2;
  QColor band = Qt::transparent;
  qreal bandShare = 0.0;  // share of each segment that the dark ring covers
  int spines = 0;         // spines per segment, from the third segment on
  qreal spineLength = 0.0;
  QColor spineColour = QColor(40, 25, 15);
  int hairs = 0;  // fine hairs per segment, only worth drawing in the enlarged view
  qreal hairLength = 0.0;
};

// A leg or an antenna made of stiff segments, each drawn on its own so that every joint shows
// as a notch: the segment nearer the body overlaps the one after it, as on a real leg.
class JointedLimb {
 public:
  // joints[0] is where the limb leaves the body; widths has one entry per joint.
  JointedLimb(std::vector<QPointF> joints, std::vector<qreal> widths);
  // An antenna or a feeler: equal articles along a curve, thinning from base to tip.
  static JointedLimb along(const QPainterPath& curve, int articles, qreal baseWidth,
                           qreal tipWidth);

  // A limb laid out from its base: it sets off at "heading" degrees (0 points right, 90 down)
  // and turns by turns[i] degrees before segment i + 1.
  static JointedLimb fromHeading(QPointF base, qreal heading, const std::vector<qreal>& lengths,
                                 const std::vector<qreal>& turns, std::vector<qreal> widths);

  // The same for a pair of limbs drawn for the right side (side = 1) and mirrored about the
  // vertical line at axisX for the left side (side = -1).
  static JointedLimb onSide(qreal side, qreal axisX, QPointF base, qreal heading,
                            const std::vector<qreal>& lengths, const std::vector<qreal>& turns,
                            std::vector<qreal> widths);
  // Segment lengths for a limb of the given length, from each segment's share of it.
  static std::vector<qreal> split(qreal length, const std::vector<qreal>& shares);

  void paint(QPainter& painter, const LimbStyle& style) const;
  QPainterPath silhouette() const;
  const std::vector<QPointF>& joints() const { return joints_; }

 private:
  QPainterPath segment(std::size_t index) const;
  void paintSegment(QPainter& painter, std::size_t index, const LimbStyle& style) const;
  void paintBand(QPainter& painter, std::size_t index, const LimbStyle& style) const;
  void paintSpines(QPainter& painter, std::size_t index, const LimbStyle& style) const;
  void paintHairs(QPainter& painter, std::size_t index, const LimbStyle& style) const;

  std::vector<QPointF> joints_;
  std::vector<qreal> widths_;
};

}  // namespace sylvenor::draw::arthropods
