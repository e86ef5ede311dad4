#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// Where a leg bends: the femur starts under the body, the tibia starts at the knee and the
// tarsus at the ankle, heading tarsusHeading degrees (0 points right, 90 down).
struct LegPose {
  QPointF base;
  QPointF knee;
  QPointF ankle;
  qreal tarsusHeading = 0;
};

// A black, glossy beetle leg seen from above: stout femur, slender tibia, a tarsus of two broad
// pads and a long last article with two claws. A pale joint membrane is left between the hard
// pieces, so that each articulation can be told at a glance.
class BeetleLeg {
 public:
  explicit BeetleLeg(const LegPose& pose);

  void paint(QPainter& painter) const;
  std::vector<QPainterPath> silhouettes() const;

 private:
  struct Piece {
    QPointF from;
    QPointF to;
    qreal fromRadius;
    qreal toRadius;
    qreal swell;
  };

  Piece femur() const;
  Piece tibia() const;
  Piece firstTarsomere() const;
  Piece clawArticle() const;
  QPainterPath padPair() const;
  QPainterPath claws() const;

  void paintPiece(QPainter& painter, const Piece& piece) const;
  void paintPads(QPainter& painter) const;
  void paintClaws(QPainter& painter) const;
  void paintJoint(QPainter& painter, QPointF at, qreal radius) const;
  void paintBristles(QPainter& painter, const Piece& piece, int count, unsigned seed) const;

  LegPose pose_;
  QPointF along_;   // unit vector along the tarsus
  QPointF across_;  // unit vector across it
};

}  // namespace sylvenor::draw
