#pragma once

#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// The animal key: the backbone and the skins covered with hair, with feathers or bare.
class SkinHelpDrawings {
 public:
  static void backbone(QPainter& painter);
  static void hair(QPainter& painter);
  static void feathers(QPainter& painter);
  static void bareSkin(QPainter& painter);

 private:
  static void paintChildBack(QPainter& painter);
  static void paintSpine(QPainter& painter);
  static void paintVertebraeCloseUp(QPainter& painter);
  static void paintVertebra(QPainter& painter, QPointF centre, qreal width);
  static void paintSkinBlock(QPainter& painter);
  static void paintHair(QPainter& painter, qreal rootX, qreal length, qreal lean, bool dark);
  static void paintFeather(QPainter& painter);
  static void paintFeatherDown(QPainter& painter);
  static void paintDroplet(QPainter& painter, QPointF centre, qreal radius);
};

}  // namespace sylvenor::draw
