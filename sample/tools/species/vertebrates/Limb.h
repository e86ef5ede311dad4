#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace sylvenor::draw {

// A leg seen from above or from the side: upper and lower segment, then a hand or foot whose
// toes fan out, each ending in a claw, an adhesive pad or a plain round tip.
class Limb {
 public:
  enum class Tip { Claw, Pad, Round };
  struct Toe {
    qreal angle;  // degrees, relative to the direction of the foot
    qreal length;
  };
  struct Design {
    QPointF root;  // where the leg leaves the body
    qreal rootWidth;
    qreal upperAngle;  // degrees on screen (0 right, 90 down)
    qreal upperLength;
    qreal jointWidth;
    qreal lowerAngle;
    qreal lowerLength;
    qreal wristWidth;
    qreal footAngle;
    std::vector<Toe> toes;
    qreal toeWidth;
    Tip tip = Tip::Claw;
  };

  explicit Limb(const Design& design);

  // The leg and toes as one shape; claws apart, they are horn, not skin.
  QPainterPath skin() const { return skin_; }
  QPainterPath claws() const { return claws_; }
  QPainterPath pads() const { return pads_; }
  QPointF joint() const { return joint_; }
  QPointF wrist() const { return wrist_; }

  // A segment that tapers from one width to another, with round ends.
  static QPainterPath taper(QPointF from, QPointF to, qreal fromWidth, qreal toWidth);
  static QPointF towards(QPointF from, qreal degrees, qreal length);

 private:
  void addToe(const Toe& toe, const Design& design, qreal spread);

  QPainterPath skin_;
  QPainterPath claws_;
  QPainterPath pads_;
  QPointF joint_;
  QPointF wrist_;
};

}  // namespace sylvenor::draw
