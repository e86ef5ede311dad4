#include "ShellMesh.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace sylvenor::draw::arthropods {

namespace {

// In camera space: x to the right, y into the picture, z up. The light comes from the upper
// left, a little from the viewer's side.
const QVector3D kLight = QVector3D(-0.55f, -0.45f, 0.7f).normalized();
const QVector3D kViewer(0, -1, 0);

constexpr int kOversampling = 2;

qreal radians(qreal degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

ShellMesh::ShellMesh(const Camera& camera) : camera_(camera) {}

std::vector<qreal> ShellMesh::steps(qreal from, qreal to, int count) {
  std::vector<qreal> values;
  for (int i = 0; i <= count; ++i) values.push_back(from + (to - from) * i / count);
  return values;
}

QVector3D ShellMesh::toCamera(const QVector3D& p) const {
  const qreal a = radians(camera_.yaw);
  const qreal b = radians(camera_.pitch);
  // Turn the animal about the vertical, then tip the view downwards.
  const qreal x = p.x() * std::cos(a) - p.y() * std::sin(a);
  const qreal y = p.x() * std::sin(a) + p.y() * std::cos(a);
  const qreal depth = y * std::cos(b) - p.z() * std::sin(b);
  const qreal up = y * std::sin(b) + p.z() * std::cos(b);
  return QVector3D(float(x), float(depth), float(up));
}

QPointF ShellMesh::project(const QVector3D& point) const {
  const QVector3D c = toCamera(point);
  return camera_.centre + QPointF(c.x(), -c.z()) * camera_.scale;
}

QColor ShellMesh::shade(const QColor& base, const QVector3D& normal,
                        const Material& material) const {
  const qreal diffuse = std::max(0.0f, QVector3D::dotProduct(normal, kLight));
  const QVector3D half = (kLight + kViewer).normalized();
  const qreal gloss =
      std::pow(std::max(0.0f, QVector3D::dotProduct(normal, half)), material.shininess);
  const qreal light = material.ambient + material.diffuse * diffuse;
  const qreal shine = material.specular * gloss * 255;
  const auto channel = [&](int value) { return std::clamp(int(value * light + shine), 0, 255); };
  return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

void ShellMesh::add(const Surface& surface, const Colouring& colour, const Material& material,
                    const std::vector<qreal>& us, const std::vector<qreal>& vs) {
  for (std::size_t i = 0; i + 1 < us.size(); ++i) {
    for (std::size_t j = 0; j + 1 < vs.size(); ++j) {
      const QVector3D corners[] = {
          toCamera(surface(us[i], vs[j])), toCamera(surface(us[i + 1], vs[j])),
          toCamera(surface(us[i + 1], vs[j + 1])), toCamera(surface(us[i], vs[j + 1]))};
      QVector3D normal =
          QVector3D::crossProduct(corners[2] - corners[0], corners[3] - corners[1]).normalized();
      // Only facets turned towards the viewer are seen.
      if (QVector3D::dotProduct(normal, kViewer) <= 0) continue;
      Facet facet;
      qreal depth = 0;
      for (const QVector3D& c : corners) {
        facet.outline << camera_.centre + QPointF(c.x(), -c.z()) * camera_.scale;
        depth += c.y();
      }
      facet.depth = depth / 4;
      const qreal u = (us[i] + us[i + 1]) / 2;
      const qreal v = (vs[j] + vs[j + 1]) / 2;
      facet.colour = shade(colour(u, v), normal, material);
      facets_.push_back(facet);
    }
  }
}

void ShellMesh::paint(QPainter& painter) const {
  std::vector<const Facet*> order;
  for (const Facet& facet : facets_) order.push_back(&facet);
  std::stable_sort(order.begin(), order.end(),
                   [](const Facet* a, const Facet* b) { return a->depth > b->depth; });
  // Facets drawn without smoothing meet without seams; drawing them at twice the size and
  // shrinking the result smooths the outline instead.
  const QSize size(painter.device()->width(), painter.device()->height());
  QImage layer(size * kOversampling, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter facets(&layer);
  facets.setTransform(painter.transform() * QTransform::fromScale(kOversampling, kOversampling));
  facets.setPen(Qt::NoPen);
  for (const Facet* facet : order) {
    facets.setBrush(facet->colour);
    facets.drawPolygon(facet->outline);
  }
  facets.end();
  painter.save();
  painter.resetTransform();
  painter.drawImage(QPoint(0, 0),
                    layer.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  painter.restore();
}

}  // namespace sylvenor::draw::arthropods
