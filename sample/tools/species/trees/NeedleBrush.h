#pragma once

#include <QColor>
#include <QPainterPath>
#include <random>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// The needles set all round a conifer shoot, seen from the side: those on the far side of the
// shoot are painted before the wood, the near ones after it, so that the shoot looks round.
struct NeedleShoot {
  QPainterPath spine;  // from the older end to the tip
  qreal from = 0;      // part of the spine that bears needles, as percentages of its length
  qreal to = 1;
  int bundles = 40;
  int perBundle = 1;  // pines carry their needles in pairs inside a small sheath
  qreal length = 60;  // of the longest needles
  qreal width = 3;
  qreal spread = 50;     // angle between needle and shoot
  qreal bend = 0.05;     // random curvature, as a fraction of the length
  qreal droop = 0;       // curvature given by weight, as a fraction of the length
  qreal fork = 12;       // half the angle between the needles of a bundle
  qreal stemWidth = 10;  // needles leave the shoot from its surface, not its axis
  QColor colour;
  unsigned seed = 1;
};

class NeedleBrush {
 public:
  explicit NeedleBrush(const NeedleShoot& shoot);

  void paintFarSide(QPainter& painter) const;
  void paintNearSide(QPainter& painter) const;

 private:
  struct Needle {
    QPainterPath shape;
    QPainterPath midline;
    QColor colour;
    qreal depth;
  };
  struct Sheath {
    QPainterPath shape;
    qreal depth;
  };

  void addBundle(const NeedleShoot& shoot, qreal percent, qreal around, std::mt19937& random);
  void paint(QPainter& painter, bool nearSide) const;

  std::vector<Needle> needles_;
  std::vector<Sheath> sheaths_;
  qreal width_;
};

}  // namespace sylvenor::draw
