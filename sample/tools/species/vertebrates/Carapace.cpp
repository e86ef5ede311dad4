#include "Carapace.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "SkinShading.h"

namespace sylvenor::draw {

namespace {

constexpr qreal kDegree = M_PI / 180.0;
constexpr qreal kRimPhi = 85.0;    // where the costals meet the marginals
constexpr qreal kSkirtPhi = 96.0;  // the lower edge of the marginals
constexpr int kEdgeSteps = 14;
constexpr qreal kRoundness = 1.0;
constexpr qreal kFullness = 0.8;
const qreal kRim = std::sin(kRimPhi * kDegree);

QPointF ring(qreal theta) {
  return {kRim * std::cos(theta * kDegree), kRim * std::sin(theta * kDegree)};
}

void addArc(std::vector<QPointF>& points, qreal from, qreal to) {
  const int steps = std::max(2, int(std::abs(to - from) / 3.0));
  for (int i = 0; i <= steps; ++i) points.push_back(ring(from + (to - from) * i / steps));
}

QPointF discToSphere(QPointF disc) {
  const qreal r = std::min(1.0, std::hypot(disc.x(), disc.y()));
  return {std::atan2(disc.y(), disc.x()) / kDegree, std::asin(r) / kDegree};
}

QPointF mirror(QPointF point) { return {point.x(), -point.y()}; }

// The outline drawn closer to the areola, for the blotch and growth rings inside a scute.
std::vector<QPointF> shrunk(const std::vector<QPointF>& outline, QPointF centre, qreal factor) {
  std::vector<QPointF> result;
  result.reserve(outline.size());
  for (const QPointF& point : outline) result.push_back(centre + (point - centre) * factor);
  return result;
}

std::vector<QPointF> densified(const std::vector<QPointF>& outline) {
  std::vector<QPointF> result;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const QPointF a = outline[i];
    const QPointF b = outline[(i + 1) % outline.size()];
    for (int k = 0; k < kEdgeSteps; ++k) result.push_back(a + (b - a) * (qreal(k) / kEdgeSteps));
  }
  return result;
}

}  // namespace

Carapace::Carapace(const View& view) : view_(view) { buildScutes(); }

// A rounded dome rather than a plain ellipsoid: fuller towards the rim, as a tortoise's shell is.
QVector3D Carapace::surface(qreal theta, qreal phi) const {
  const qreal t = theta * kDegree;
  const qreal p = phi * kDegree;
  const qreal out = std::pow(std::sin(p), kRoundness);
  const qreal up = std::cos(p);
  const qreal height = std::copysign(std::pow(std::abs(up), kFullness), up);
  return QVector3D(view_.halfLength * out * std::cos(t), view_.halfWidth * out * std::sin(t),
                   view_.height * height);
}

QVector3D Carapace::normal(qreal theta, qreal phi) const {
  constexpr qreal kStep = 0.05;
  const QVector3D alongPhi = surface(theta, phi + kStep) - surface(theta, phi - kStep);
  const QVector3D alongTheta = surface(theta + kStep, phi) - surface(theta - kStep, phi);
  return QVector3D::crossProduct(alongPhi, alongTheta).normalized();
}

QPointF Carapace::project(const QVector3D& point) const {
  const qreal yaw = view_.yaw * kDegree;
  const qreal pitch = view_.pitch * kDegree;
  const qreal across = point.x() * std::cos(yaw) - point.y() * std::sin(yaw);
  const qreal towards = point.x() * std::sin(yaw) + point.y() * std::cos(yaw);
  return view_.centre + QPointF(-across, -point.z() * std::cos(pitch) + towards * std::sin(pitch));
}

qreal Carapace::depth(const QVector3D& point) const {
  const qreal yaw = view_.yaw * kDegree;
  const qreal pitch = view_.pitch * kDegree;
  const qreal towards = point.x() * std::sin(yaw) + point.y() * std::cos(yaw);
  return towards * std::cos(pitch) + point.z() * std::sin(pitch);
}

qreal Carapace::facing(QPointF thetaPhi) const {
  const qreal yaw = view_.yaw * kDegree;
  const qreal pitch = view_.pitch * kDegree;
  const QVector3D towardsViewer(std::sin(yaw) * std::cos(pitch), std::cos(yaw) * std::cos(pitch),
                                std::sin(pitch));
  return QVector3D::dotProduct(normal(thetaPhi.x(), thetaPhi.y()), towardsViewer);
}

// The part of a scute turned towards the viewer: the outline is cut where it passes round the
// side of the dome.
QPainterPath Carapace::visiblePart(const Scute& scute, qreal shrink) const {
  return visiblePart(shrunk(scute.outline, scute.areola, shrink), scute.onDisc);
}

QPainterPath Carapace::visiblePart(std::vector<QPointF> outline, bool onDisc) const {
  outline = densified(outline);
  if (onDisc) {
    for (QPointF& point : outline) point = discToSphere(point);
  }
  std::vector<QPointF> kept;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const QPointF a = outline[i];
    const QPointF b = outline[(i + 1) % outline.size()];
    const qreal fa = facing(a);
    const qreal fb = facing(b);
    if (fa >= 0) kept.push_back(a);
    if ((fa >= 0) != (fb >= 0)) kept.push_back(a + (b - a) * (fa / (fa - fb)));
  }
  QPainterPath path;
  for (const QPointF& point : kept) {
    if (path.elementCount() == 0) {
      path.moveTo(at(point.x(), point.y()));
    } else {
      path.lineTo(at(point.x(), point.y()));
    }
  }
  path.closeSubpath();
  return path;
}

void Carapace::addMirrored(const std::vector<QPointF>& disc, QPointF areola) {
  scutes_.push_back({disc, areola, true});
  std::vector<QPointF> other;
  for (auto it = disc.rbegin(); it != disc.rend(); ++it) other.push_back(mirror(*it));
  scutes_.push_back({other, mirror(areola), true});
}

void Carapace::buildScutes() {
  // Five vertebrals down the middle, their sides zigzagging between the four costals of each
  // side; the costal seams meet the vertebrals at their side corners.
  const QPointF s1(0.56, 0.2), s2(0.2, 0.2), s3(-0.16, 0.2), s4(-0.52, 0.21);
  const QPointF l1(0.38, 0.31), l2(0.02, 0.31), l3(-0.34, 0.31);
  const qreal a0 = 13, r1 = 62, r2 = 95, r3 = 128, a5 = 162;
  std::vector<QPointF> v1 = {ring(a0), s1, mirror(s1)};
  addArc(v1, -a0, a0);
  scutes_.push_back({v1, QPointF(0.72, 0), true});
  scutes_.push_back({{s1, l1, s2, mirror(s2), mirror(l1), mirror(s1)}, QPointF(0.33, 0), true});
  scutes_.push_back({{s2, l2, s3, mirror(s3), mirror(l2), mirror(s2)}, QPointF(-0.03, 0), true});
  scutes_.push_back({{s3, l3, s4, mirror(s4), mirror(l3), mirror(s3)}, QPointF(-0.39, 0), true});
  std::vector<QPointF> v5 = {s4};
  addArc(v5, a5, 360 - a5);
  v5.push_back(mirror(s4));
  scutes_.push_back({v5, QPointF(-0.74, 0), true});
  std::vector<QPointF> c1 = {s1, ring(a0)};
  addArc(c1, a0, r1);
  c1.push_back(l1);
  addMirrored(c1, QPointF(0.6, 0.5));
  std::vector<QPointF> c2 = {l1};
  addArc(c2, r1, r2);
  c2.insert(c2.end(), {l2, s2});
  addMirrored(c2, QPointF(0.15, 0.6));
  std::vector<QPointF> c3 = {l2};
  addArc(c3, r2, r3);
  c3.insert(c3.end(), {l3, s3});
  addMirrored(c3, QPointF(-0.25, 0.6));
  std::vector<QPointF> c4 = {l3};
  addArc(c4, r3, a5);
  c4.push_back(s4);
  addMirrored(c4, QPointF(-0.62, 0.48));
  // Around the rim: the small nuchal at the front, eleven marginals on each side and the
  // supracaudal at the back, divided in two in Hermann's tortoise.
  const qreal seams[] = {5, 19, 33, 47, 62, 77, 92, 107, 122, 137, 152, 168, 180};
  scutes_.push_back({{{-5, kRimPhi}, {5, kRimPhi}, {5, kSkirtPhi}, {-5, kSkirtPhi}},
                     QPointF(0, kSkirtPhi - 4),
                     false});
  for (std::size_t i = 0; i + 1 < std::size(seams); ++i) {
    for (const int side : {-1, 1}) {
      const qreal from = side * seams[i];
      const qreal to = side * seams[i + 1];
      scutes_.push_back({{{from, kRimPhi}, {to, kRimPhi}, {to, kSkirtPhi}, {from, kSkirtPhi}},
                         QPointF(to - side * 2, kSkirtPhi - 3),
                         false});
    }
  }
}

QPainterPath Carapace::silhouette() const {
  QPainterPath shape;
  shape.setFillRule(Qt::WindingFill);
  for (const Scute& scute : scutes_) shape.addPath(visiblePart(scute, 1.0));
  return shape.simplified();
}

qreal Carapace::light(const Scute& scute) const {
  const QPointF centre = scute.onDisc ? discToSphere(scute.areola) : scute.areola;
  const QVector3D sun = QVector3D(0.35, 0.45, 0.82).normalized();
  return 0.55 + 0.45 * std::max(0.0f, QVector3D::dotProduct(normal(centre.x(), centre.y()), sun));
}

void Carapace::paint(QPainter& painter, const QColor& horn, const QColor& blotch,
                     const QColor& seam) const {
  std::vector<std::pair<qreal, const Scute*>> order;
  for (const Scute& scute : scutes_) {
    const QPointF centre = scute.onDisc ? discToSphere(scute.areola) : scute.areola;
    order.emplace_back(depth(surface(centre.x(), centre.y())), &scute);
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [depthValue, scute] : order) {
    paintScute(painter, *scute, int(scute - scutes_.data()), horn, blotch, seam);
  }
  paintVolume(painter);
}

// One light for the whole dome: brighter on its top, darker down the sides and the rim.
void Carapace::paintVolume(QPainter& painter) const {
  const QPainterPath shape = silhouette();
  const QRectF box = shape.boundingRect();
  QLinearGradient fall(box.topLeft(), QPointF(box.left() + box.width() * 0.3, box.bottom()));
  fall.setColorAt(0.0, QColor(255, 255, 240, 40));
  fall.setColorAt(0.45, QColor(255, 255, 240, 0));
  fall.setColorAt(0.75, QColor(30, 20, 0, 30));
  fall.setColorAt(1.0, QColor(30, 20, 0, 110));
  painter.fillPath(shape, fall);
  QRadialGradient shine(at(60, 35), view_.halfLength * 0.5);
  shine.setColorAt(0.0, QColor(255, 255, 245, 70));
  shine.setColorAt(1.0, QColor(255, 255, 245, 0));
  painter.fillPath(shape, shine);
  SkinShading::outline(painter, shape, QColor(50, 36, 16), 2.0);
}

// The black of a scute: on the plates of the dome an irregular patch that leaves the areola and
// a border pale; on the rim a wedge against the front seam of each marginal.
std::vector<QPointF> Carapace::blotch(const Scute& scute, int index) const {
  if (!scute.onDisc) {
    const QPointF a = scute.outline[0];
    const QPointF b = scute.outline[1];
    const qreal reach = 0.45 + 0.2 * std::sin(index * 1.7);
    return {a, a + (b - a) * reach, QPointF(a.x() + (b.x() - a.x()) * 0.2, kSkirtPhi),
            QPointF(a.x(), kSkirtPhi)};
  }
  const std::vector<QPointF> outline = densified(scute.outline);
  std::vector<QPointF> result;
  for (const QPointF& point : outline) {
    const QPointF offset = point - scute.areola;
    const qreal angle = std::atan2(offset.y(), offset.x());
    const qreal f =
        0.8 + 0.08 * std::sin(3 * angle + index) + 0.05 * std::sin(7 * angle + 2 * index);
    result.push_back(scute.areola + offset * f);
  }
  return result;
}

void Carapace::paintScute(QPainter& painter, const Scute& scute, int index, const QColor& horn,
                          const QColor& black, const QColor& seam) const {
  const QPainterPath shape = visiblePart(scute, 1.0);
  if (shape.boundingRect().width() < 1.0) return;
  const qreal lit = light(scute);
  const QColor base = SkinShading::blend(horn.darker(170), horn.lighter(115), lit);
  painter.fillPath(shape, base);
  painter.save();
  painter.setClipPath(shape);
  painter.fillPath(visiblePart(blotch(scute, index), scute.onDisc),
                   SkinShading::blend(black, base, 0.12));
  if (scute.onDisc) {
    std::vector<QPointF> areola = blotch(scute, index + 5);
    painter.fillPath(visiblePart(shrunk(areola, scute.areola, 0.42), true), base.lighter(106));
  }
  painter.setPen(QPen(SkinShading::withAlpha(seam, 60), 1.0));
  painter.setBrush(Qt::NoBrush);
  for (const qreal ring : {0.5, 0.65, 0.92}) painter.drawPath(visiblePart(scute, ring));
  painter.restore();
  SkinShading::outline(painter, shape, seam, 2.6);
  SkinShading::outline(painter, shape, SkinShading::withAlpha(horn.lighter(130), 90), 0.8);
}

}  // namespace sylvenor::draw
