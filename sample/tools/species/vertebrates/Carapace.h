#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QVector3D>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// The domed shell of a tortoise as a rounded dome seen from the front left and from above:
// vertebral, costal and marginal scutes, each a horn plate set apart from its neighbours by a
// seam. Points on it are given as (theta, phi): theta around the shell from the front (towards
// the viewer's side when positive), phi down from the top (90 degrees at the widest rim).
class Carapace {
 public:
  struct View {
    QPointF centre;  // where the centre of the rim is drawn
    qreal halfLength;
    qreal halfWidth;
    qreal height;  // from the rim to the top of the dome
    qreal yaw;     // degrees: how far the front turns towards the viewer
    qreal pitch;   // degrees: how far the viewer looks down
  };
  // A scute is laid out either on the shell seen straight from above (a disc of radius 1, x to
  // the front, y towards the viewer) or directly in (theta, phi) for those around the rim.
  struct Scute {
    std::vector<QPointF> outline;
    QPointF areola;  // the growth centre, where the horn is palest
    bool onDisc;
  };

  explicit Carapace(const View& view);

  QVector3D surface(qreal theta, qreal phi) const;
  QVector3D normal(qreal theta, qreal phi) const;
  QPointF project(const QVector3D& point) const;
  qreal depth(const QVector3D& point) const;
  QPointF at(qreal theta, qreal phi) const { return project(surface(theta, phi)); }
  // The whole shell as it is seen: the outline of its visible scutes.
  QPainterPath silhouette() const;
  void paint(QPainter& painter, const QColor& horn, const QColor& blotch, const QColor& seam) const;

 private:
  qreal facing(QPointF thetaPhi) const;
  QPainterPath visiblePart(const Scute& scute, qreal shrink) const;
  QPainterPath visiblePart(std::vector<QPointF> outline, bool onDisc) const;
  std::vector<QPointF> blotch(const Scute& scute, int index) const;
  void buildScutes();
  void addMirrored(const std::vector<QPointF>& disc, QPointF areola);
  void paintScute(QPainter& painter, const Scute& scute, int index, const QColor& horn,
                  const QColor& black, const QColor& seam) const;
  qreal light(const Scute& scute) const;
  void paintVolume(QPainter& painter) const;

  View view_;
  std::vector<Scute> scutes_;
};

}  // namespace sylvenor::draw
