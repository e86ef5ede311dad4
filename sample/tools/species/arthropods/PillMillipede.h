#pragma once

#include <QVector3D>
#include <vector>

#include "ShellMesh.h"

class QPainter;

namespace sylvenor::draw::arthropods {

// Glomeris marginata walking, seen from the side and a little from the front and above: a
// glossy black dome of twelve plates with pale rear edges, seventeen pairs of short legs under
// it and one pair of short antennae.
class PillMillipede {
 public:
  static void paint(QPainter& painter);

 private:
  enum class Band { Shadow, Plate, Margin };
  struct Station {
    qreal x;      // along the body, forward positive
    qreal swell;  // the rear of each plate stands a little proud of the next one
    Band band;
  };

  static std::vector<Station> stations();
  static QVector3D shellPoint(const Station& station, qreal around);
  static qreal halfWidth(qreal x);
  static qreal height(qreal x);
  static void addShell(ShellMesh& mesh);
  static QVector3D headPoint(qreal u, qreal v);
  static void addHead(ShellMesh& mesh);
  static void paintEyes(QPainter& painter, const ShellMesh& mesh);
  static std::vector<std::vector<QVector3D>> legs(qreal side);
  static std::vector<std::vector<QVector3D>> antennae();
};

}  // namespace sylvenor::draw::arthropods
