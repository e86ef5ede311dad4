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
  struct Spec {
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
    QPointF mouthCorner;  // (t, v) of the corner of the mouth
  };
  using Detail = std::function<void(QPainter&, const BodyShape&)>;
  enum class Layer { Behind, Over };

  explicit FishPainter(const Spec& spec);

  QPointF at(qreal t, qreal v) const { return body_.at(t, v); }
  void addFin(Layer layer, const FishFin::Shape& fin);
  // Drawn on the skin before the scales: spots, bars, blotches.
  void setPattern(Detail pattern) { pattern_ = std::move(pattern); }
  // Drawn over the scales: dark marks that show through them.
  void setMarkings(Detail markings) { markings_ = std::move(markings); }
  // Drawn on the head instead of the plain mouth line.
  void setMouth(Detail mouth) { mouth_ = std::move(mouth); }
  void paint(QPainter& painter) const;

 private:
  static BodyShape makeBody(const Spec& spec);
  qreal gillEdgeT(qreal v, qreal shift = 0) const;
  QPainterPath gillEdge(qreal shift) const;
  QPainterPath scaledSkin() const;
  QPainterPath edges() const;
  QColor colourAcross(qreal v) const;
  void paintSkin(QPainter& painter) const;
  void paintHead(QPainter& painter) const;
  void paintMouth(QPainter& painter) const;
  void paintEye(QPainter& painter) const;

  Spec spec_;
  BodyShape body_;
  std::vector<FishFin> behind_;
  std::vector<FishFin> over_;
  Detail pattern_;
  Detail markings_;
  Detail mouth_;
};

}  // namespace sylvenor::draw
