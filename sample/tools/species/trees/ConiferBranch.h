#pragma once

#include <QColor>
#include <QPainterPath>
#include <functional>
#include <vector>

#include "NeedleBrush.h"

class QPainter;

namespace sylvenor::draw {

// One shoot of a conifer branch: wood that tapers along its spine, bearing needles from
// `needlesFrom` (a percentage of the spine) to its tip.
struct ConiferShoot {
  QPainterPath spine;
  qreal startWidth;
  qreal endWidth;
  qreal needlesFrom;
  int needles;  // bundles of needles along the shoot, or pairs of needles on a yew
  unsigned seed;
};

// A conifer branch whose needles stand all round its shoots, the leading shoot first and then
// its side shoots. The far needles are painted before the wood and the near ones after it, so
// that the shoots look round.
class ConiferBranch {
 public:
  // How thick the wood of a shoot is where the needles leave it, from its width at the start.
  using StemWidth = std::function<qreal(qreal startWidth)>;
  using Wood = std::function<void(QPainter&, const ConiferShoot&, bool isLeader)>;

  // `needles` gives the look shared by the needles of every shoot.
  ConiferBranch(std::vector<ConiferShoot> shoots, const NeedleShoot& needles,
                const StemWidth& stemWidth);

  void paintFarNeedles(QPainter& painter) const;
  void paintNearNeedles(QPainter& painter) const;
  // The wood of the side shoots, then of the leader over them, each tipped with winter buds.
  void paintWood(QPainter& painter, const Wood& wood, qreal budSize, const QColor& bud) const;
  // Where the branch was cut from the tree, at the start of the leader.
  void paintCutEnd(QPainter& painter, const QColor& bark) const;

 private:
  std::vector<ConiferShoot> shoots_;
  std::vector<NeedleBrush> brushes_;
};

}  // namespace sylvenor::draw
