#pragma once

#include <QColor>
#include <QPainterPath>
#include <QTransform>
#include <QVector3D>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// A ripe pine cone whose woody scales have opened, modelled in three dimensions so that each
// scale shows either its inner face, where the winged seeds lie naked, or its outer face with the
// thick diamond-shaped end. In its own coordinates the base is at the origin and the apex at
// (0, length), tilted toward the viewer; `placement` puts it on the canvas.
class OpenConePainter {
 public:
  OpenConePainter(qreal length, qreal scaleLength, const QTransform& placement);

  void paint(QPainter& painter) const;

 private:
  struct Plate {
    QVector3D origin;
    QVector3D outward;  // from the axis to the free end
    QVector3D across;   // across the scale
    QVector3D facing;   // normal of the face that the viewer sees
    qreal size;
    qreal along;      // position on the cone, from its base (0) to its apex (1)
    qreal frontness;  // 1 for a scale facing the viewer, -1 at the back
    qreal depth;
    bool innerFaceSeen;
    qreal light;
    int seeds = 0;
  };

  void build(unsigned seed);
  void chooseSeedBearers();
  QPointF project(const QVector3D& point) const;
  qreal depthOf(const QVector3D& point) const;
  QPointF onPlate(const Plate& plate, qreal along, qreal across) const;
  QPainterPath outline(const Plate& plate, const std::vector<QPointF>& shape) const;
  void paintAxis(QPainter& painter) const;
  void paintPlate(QPainter& painter, const Plate& plate) const;
  void paintInnerFace(QPainter& painter, const Plate& plate, const QColor& colour) const;
  void paintOuterFace(QPainter& painter, const Plate& plate, const QColor& colour) const;
  void paintSeed(QPainter& painter, const Plate& plate, qreal across) const;

  qreal length_;
  qreal scaleLength_;
  QTransform placement_;
  std::vector<Plate> plates_;
};

}  // namespace sylvenor::draw
