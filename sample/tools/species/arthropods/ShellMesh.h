#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QVector3D>
#include <functional>
#include <vector>

class QPainter;

namespace sylvenor::draw::arthropods {

// A tiny renderer for rounded shells seen at an angle, such as a pill millipede seen from the
// side and a little from above: each surface is cut into small facets, lit by one light and
// drawn from the back to the front. World axes: x forward, y to the animal's left, z up.
class ShellMesh {
 public:
  struct Camera {
    qreal yaw = 0;    // degrees the animal is turned to face the viewer
    qreal pitch = 0;  // degrees the viewer looks down
    qreal scale = 1;
    QPointF centre;  // where the world origin lands on the canvas
  };
  struct Material {
    qreal ambient = 0.3;
    qreal diffuse = 0.7;
    qreal specular = 0.0;
    qreal shininess = 30;
  };
  using Surface = std::function<QVector3D(qreal u, qreal v)>;
  using Colouring = std::function<QColor(qreal u, qreal v)>;

  explicit ShellMesh(const Camera& camera);

  // Cuts the surface along the given values of u and v into facets. The surface must turn so
  // that the cross product of its u and v directions points outwards.
  void add(const Surface& surface, const Colouring& colour, const Material& material,
           const std::vector<qreal>& us, const std::vector<qreal>& vs);
  QPointF project(const QVector3D& point) const;
  void paint(QPainter& painter) const;

  static std::vector<qreal> steps(qreal from, qreal to, int count);

 private:
  struct Facet {
    QPolygonF outline;
    qreal depth;
    QColor colour;
  };
  QVector3D toCamera(const QVector3D& point) const;
  QColor shade(const QColor& base, const QVector3D& normal, const Material& material) const;

  Camera camera_;
  std::vector<Facet> facets_;
};

}  // namespace sylvenor::draw::arthropods
