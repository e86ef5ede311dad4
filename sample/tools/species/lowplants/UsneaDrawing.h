#pragma once

#include <QPointF>
#include <QVector>

#include "LowPlantKit.h"

class QPainter;

namespace sylvenor::draw {

// Usnée barbue: a pale grey-green beard of thin branching threads hanging from a twig, covered
// with tiny side fibrils; where one thread is broken, its white elastic central cord shows.
class UsneaDrawing {
 public:
  static void paint(QPainter& painter);

 private:
  struct Thread {
    QVector<QPointF> spine;
    qreal width;
  };

  static QVector<Thread> beard();
  static void grow(QVector<Thread>& threads, QPointF start, qreal heading, qreal length,
                   qreal width, int depth, LowPlantKit::Random& random);
  static void paintTwig(QPainter& painter, bool detailed);
  static void paintCutEnd(QPainter& painter, QPointF centre, qreal radius);
  static void paintThread(QPainter& painter, const Thread& thread, bool detailed);
  static void paintFibrils(QPainter& painter, const Thread& thread, bool detailed);
  static void paintBrokenThread(QPainter& painter, bool detailed);
  static void paintTornEnd(QPainter& painter, QPointF end, qreal heading, qreal width);
};

}  // namespace sylvenor::draw
