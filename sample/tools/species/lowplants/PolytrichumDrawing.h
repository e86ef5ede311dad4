#pragma once

#include <QPointF>
#include <QVector>

class QPainter;

namespace sylvenor::draw {

// Polytric commun: a tuft of stiff leafy shoots like tiny fir trees, tall red setae carrying
// four-sided capsules under golden hairy caps, rhizoid hairs below.
class PolytrichumDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Shoot {
    QPointF base;
    qreal lean;
    qreal height;
    qreal setaLength;  // 0 for a shoot without a spore capsule
    bool capped;
  };

  static QVector<QPointF> stemSpine(const Shoot& shoot);
  static void paintShoot(QPainter& painter, const Shoot& shoot, bool detailed);
  static void paintLeaves(QPainter& painter, const QVector<QPointF>& spine, bool front,
                          bool detailed);
  static void paintLeaf(QPainter& painter, QPointF base, QPointF tip, qreal position, qreal depth,
                        bool detailed);
  static void paintSeta(QPainter& painter, const Shoot& shoot, QPointF top, bool detailed);
  static void paintCapsule(QPainter& painter, bool detailed);
  static void paintCalyptra(QPainter& painter, bool detailed);
};

}  // namespace sylvenor::draw
