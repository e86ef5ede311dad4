#pragma once

#include <QColor>
#include <QPainterPath>
#include <functional>
#include <vector>

#include "BodyShape.h"
#include "Limb.h"
#include "ScaleNet.h"

class QPainter;

namespace sylvenor::draw {

// A lizard seen from above: a long body from the snout to the tip of the tail, four legs with
// five clawed toes, the large plates of the head, granular scales on the back and rings of
// scales around the tail. Each species gives its shape, pose and colours.
class LizardPainter {
 public:
  // A leg placed on the body; its angles are measured from the direction the animal faces,
  // towards its own side (90 straight out, 180 straight back), so that a pose stays the same
  // whatever the curve of the spine. Toe angles are positive towards the outer toes.
  struct Leg {
    qreal at;     // distance from the snout
    int side;     // -1 on the left of the spine, +1 on the right
    qreal upper;  // direction of the upper segment
    qreal lower;
    qreal foot;
    qreal upperLength;
    qreal lowerLength;
    qreal rootWidth;
    qreal jointWidth;
    qreal wristWidth;
    qreal toeWidth;
    std::vector<Limb::Toe> toes;
  };
  using Detail = std::function<void(QPainter&, const BodyShape&)>;
  using ShapeDetail = std::function<void(QPainter&, const QPainterPath&)>;
  struct Design {
    QPainterPath spine;              // snout to the tip of the tail
    std::vector<QPointF> halfWidth;  // (distance from the snout, half-width)
    qreal headLength;
    qreal vent;  // the tail starts here
    std::vector<Leg> legs;
    QColor skin;
    QColor outline;
    QColor claw;
    QColor iris;
    qreal granule = 5;  // size of the scales of the back
    qreal whorl = 7;    // length of a ring of tail scales
    ScaleNet::Style scales;
    Detail pattern;          // colours of the back, head and tail
    ShapeDetail legPattern;  // colours of the legs
  };

  explicit LizardPainter(const Design& design);

  qreal tAt(qreal distance) const { return distance / body_.length(); }
  void paint(QPainter& painter) const;

 private:
  Limb makeLimb(const Leg& leg) const;
  void paintLegs(QPainter& painter) const;
  void paintBody(QPainter& painter) const;
  void paintHeadShields(QPainter& painter) const;
  void paintEyes(QPainter& painter) const;

  Design design_;
  BodyShape body_;
  std::vector<Limb> limbs_;
};

}  // namespace sylvenor::draw
