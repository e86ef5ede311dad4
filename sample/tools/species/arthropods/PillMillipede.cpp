#include "PillMillipede.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "JointedLimb.h"
#include "SoftShadow.h"

namespace sylvenor::draw::arthropods {

namespace {

const QColor kPlate(44, 36, 32);
const QColor kMargin(216, 192, 124);
const QColor kShadow(14, 11, 10);
const QColor kHead(52, 42, 36);
const QColor kLeg(172, 146, 116);
const QColor kAntenna(150, 128, 104);

constexpr qreal kLength = 300;    // half the length of the dome
constexpr qreal kWidth = 150;     // half its width
constexpr qreal kHeight = 165;    // its height above its lower edge
constexpr qreal kLift = 62;       // how high the legs hold the lower edge
constexpr qreal kFront = 0.995;   // the front of the collar, just short of the nose of the dome
constexpr qreal kLowest = -0.06;  // how far the plates come down on the flanks
constexpr int kLegPairs = 17;
constexpr qreal kPi = std::numbers::pi;

// Collar, thoracic shield, nine plates and the rounded end shield.
const qreal kPlateLengths[] = {0.75, 1.5,  0.92, 0.92, 0.92, 0.92,
                               0.92, 0.92, 0.92, 0.92, 0.92, 1.5};

const ShellMesh::Camera kCamera{-34, 17, 1.24, QPointF(470, 540)};

}  // namespace

qreal PillMillipede::halfWidth(qreal x) {
  const qreal s = std::min(1.0, std::abs(x) / kLength);
  return kWidth * std::sqrt(std::max(0.0, 1 - std::pow(s, 2.6)));
}

qreal PillMillipede::height(qreal x) {
  const qreal s = std::min(1.0, std::abs(x) / kLength);
  return kHeight * std::sqrt(std::max(0.0, 1 - std::pow(s, 2.2)));
}

std::vector<PillMillipede::Station> PillMillipede::stations() {
  qreal total = 0;
  for (const qreal share : kPlateLengths) total += share;
  const qreal span = kLength * (1 + kFront);
  std::vector<Station> result;
  qreal front = kLength * kFront;
  for (const qreal share : kPlateLengths) {
    const qreal back = front - span * share / total;
    const qreal margin = front + (back - front) * 0.82;
    // In the shadow of the plate in front, then the plate itself, then its pale rear edge.
    result.push_back({front, 1.0, Band::Shadow});
    for (int i = 1; i <= 16; ++i) {
      const qreal k = i / 16.0;
      result.push_back(
          {front + (margin - front) * k, 1.0 + 0.02 * k, i == 1 ? Band::Shadow : Band::Plate});
    }
    for (int i = 1; i <= 2; ++i) {
      result.push_back({margin + (back - margin) * i / 2.0, 1.02 + 0.01 * i, Band::Margin});
    }
    front = back;
  }
  return result;
}

QVector3D PillMillipede::shellPoint(const Station& station, qreal around) {
  const qreal w = halfWidth(station.x) * station.swell;
  const qreal h = height(station.x) * station.swell;
  return QVector3D(float(station.x), float(w * std::cos(around)),
                   float(kLift + h * std::sin(around)));
}

void PillMillipede::addShell(ShellMesh& mesh) {
  const std::vector<Station> list = stations();
  std::vector<qreal> us;
  for (std::size_t i = 0; i < list.size(); ++i) us.push_back(qreal(i));
  const auto surface = [&](qreal u, qreal v) {
    return shellPoint(list[std::size_t(std::lround(u))], v);
  };
  const auto colour = [&](qreal u, qreal v) {
    const Band band = list[std::min(list.size() - 1, std::size_t(std::ceil(u)))].band;
    // The lower edges of the plates are pale as well.
    const bool rim = std::sin(v) < 0.05;
    if (band == Band::Shadow) return kShadow;
    if (band == Band::Margin || rim) return kMargin;
    return kPlate;
  };
  const ShellMesh::Material gloss{0.5, 0.75, 0.55, 70};
  mesh.add(surface, colour, gloss, us, ShellMesh::steps(kLowest, kPi - kLowest, 150));
}

QVector3D PillMillipede::headPoint(qreal u, qreal v) {
  // Half an egg, its round face turned forwards, tucked under the front of the collar.
  const QVector3D centre(float(kLength * 0.95), 0, float(kLift - 14));
  return centre + QVector3D(float(44 * std::cos(u)), float(58 * std::sin(u) * std::cos(v)),
                            float(40 * std::sin(u) * std::sin(v)));
}

void PillMillipede::paintEyes(QPainter& painter, const ShellMesh& mesh) {
  // A short curved row of simple eyes on the side of the head.
  for (int i = 0; i < 6; ++i) {
    const QPointF eye = mesh.project(headPoint(0.95 + 0.06 * (i % 2), 2.75 + 0.09 * i));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 6, 6));
    painter.drawEllipse(eye, 4.2, 4.2);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(eye + QPointF(-1.3, -1.3), 1.3, 1.3);
  }
}

void PillMillipede::addHead(ShellMesh& mesh) {
  const auto surface = [](qreal u, qreal v) { return headPoint(u, v); };
  const ShellMesh::Material gloss{0.5, 0.7, 0.5, 50};
  mesh.add(
      surface, [](qreal, qreal) { return kHead; }, gloss, ShellMesh::steps(0, kPi / 2, 28),
      ShellMesh::steps(0, 2 * kPi, 90));
}

std::vector<std::vector<QVector3D>> PillMillipede::legs(qreal side) {
  std::vector<std::vector<QVector3D>> result;
  for (int i = 0; i < kLegPairs; ++i) {
    const qreal x = kLength * (0.74 - 1.42 * i / (kLegPairs - 1));
    const qreal w = halfWidth(x);
    // The legs swing in waves that run along the body, the two sides out of step.
    const qreal stride = 16 * std::sin(i * 0.8 + (side > 0 ? kPi : 0));
    std::vector<QVector3D> joints;
    for (int j = 0; j <= 6; ++j) {
      const qreal k = j / 6.0;
      const qreal out = w * (0.55 + 0.5 * std::sin(k * kPi / 2));
      const qreal z = kLift * (1 - k * k) + 6 * (1 - k);
      joints.emplace_back(float(x + stride * k), float(side * out), float(z));
    }
    result.push_back(joints);
  }
  return result;
}

std::vector<std::vector<QVector3D>> PillMillipede::antennae() {
  std::vector<std::vector<QVector3D>> result;
  for (const qreal side : {-1.0, 1.0}) {
    std::vector<QVector3D> joints;
    for (int j = 0; j <= 7; ++j) {
      const qreal k = j / 7.0;
      joints.emplace_back(float(kLength * 1.02 + 66 * k), float(side * (24 + 30 * k)),
                          float(kLift - 16 - 34 * k * k));
    }
    result.push_back(joints);
  }
  return result;
}

void PillMillipede::paint(QPainter& painter) {
  ShellMesh mesh(kCamera);
  addShell(mesh);
  // The head is drawn on its own, after the shell: from this side it stands in front of it.
  ShellMesh head(kCamera);
  addHead(head);
  const auto limb = [&](const std::vector<QVector3D>& joints, qreal base, qreal tip) {
    std::vector<QPointF> points;
    std::vector<qreal> widths;
    for (std::size_t j = 0; j < joints.size(); ++j) {
      points.push_back(mesh.project(joints[j]));
      widths.push_back(base + (tip - base) * qreal(j) / (joints.size() - 1));
    }
    return JointedLimb(points, widths);
  };
  std::vector<JointedLimb> farLegs, nearLegs, feelers;
  for (const auto& joints : legs(1)) farLegs.push_back(limb(joints, 11, 5));
  for (const auto& joints : legs(-1)) nearLegs.push_back(limb(joints, 12, 5));
  for (const auto& joints : antennae()) feelers.push_back(limb(joints, 7, 10));

  SoftShadow shadow(painter, QPointF(0, 0), 18);
  QPainterPath footprint;
  footprint.addEllipse(mesh.project(QVector3D(0, 0, 0)), kLength * 0.95, kWidth * 0.55);
  shadow.add(footprint);
  shadow.cast(0.24);

  const LimbStyle farStyle{.fill = kLeg.darker(150), .outlineWidth = 1.0};
  for (const JointedLimb& leg : farLegs) leg.paint(painter, farStyle);
  const LimbStyle nearStyle{.fill = kLeg, .outlineWidth = 1.1};
  for (const JointedLimb& leg : nearLegs) leg.paint(painter, nearStyle);
  feelers.front().paint(painter, LimbStyle{.fill = kAntenna.darker(130), .outlineWidth = 1.0});
  mesh.paint(painter);
  head.paint(painter);
  paintEyes(painter, head);
  feelers.back().paint(painter, LimbStyle{.fill = kAntenna, .outlineWidth = 1.0});
}

}  // namespace sylvenor::draw::arthropods
