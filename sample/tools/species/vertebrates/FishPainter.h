#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <utility>
#include <vector>

#include "BodyShape.h"
#include "FishFin.h"
#include "FishScales.h"
#include "Profile.h"

class QPainter;

namespace sylvenor::draw {

// A bony fish seen from the left side, head to the left: a body with its colours from back to
// belly, roof-tile scales and lateral line, gill cover, eye, fins behind and over the body. Each
// species gives its shape and colours and may add its own pattern and mouth.
class FishPainter {
 public:
  using Detail = std::function<void(QPainter&, const BodyShape&)>;
  struct Design {
    QPointF snout;       // tip of the snout
    qreal length = 800;  // snout to the base of the tail fin
    qreal arch = 0;      // how far the middle of the body is raised above a straight line
    Profile back;        // height above the centre line along t
    Profile belly;       // depth below it
    std::vector<std::pair<qreal, QColor>> colours;  // from the back (v = -1) to the belly (+1)
    QColor outline;
    FishScales::Layout scales;
    Profile lateralLine;       // v of the lateral line along t
    QColor lateralLineColour;  // transparent for the few fish without a lateral line
    qreal gillT = 0.25;        // rear edge of the gill cover at mid-height
    qreal gillCurve = 0.05;    // how much the gill cover bulges backwards
    QPointF eye;               // (t, v)
    qreal eyeRadius = 20;
    QColor iris;
    QPointF mouthCorner;                     // (t, v) of the corner of the mouth
    std::vector<FishFin::Shape> finsBehind;  // dorsal, tail and anal fins, behind the body
    std::vector<FishFin::Shape> finsOver;    // the paired fins, over it
    Detail pattern;                          // on the skin before the scales: spots, bars, blotches
    Detail markings;                         // over the scales: dark marks that show through them
    Detail mouth;                            // on the head instead of the plain mouth line
  };

  explicit FishPainter(const Design& design);

  void paint(QPainter& painter) const;

 private:
  static BodyShape makeBody(const Design& design);
  qreal gillEdgeT(qreal v, qreal shift = 0) const;
  QPainterPath gillEdge(qreal shift) const;
  QPainterPath scaledSkin() const;
  QPainterPath edges() const;
  QColor colourAcross(qreal v) const;
  void paintSkin(QPainter& painter) const;
  void paintHead(QPainter& painter) const;
  void paintMouth(QPainter& painter) const;
  void paintEye(QPainter& painter) const;

  Design design_;
  BodyShape body_;
  std::vector<FishFin> behind_;
  std::vector<FishFin> over_;
};

}  // namespace sylvenor::draw
