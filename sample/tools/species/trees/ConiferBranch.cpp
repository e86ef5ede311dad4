#include "ConiferBranch.h"

#include <iterator>
#include <utility>

#include "ConiferParts.h"

namespace sylvenor::draw {

ConiferBranch::ConiferBranch(std::vector<ConiferShoot> shoots, const NeedleShoot& needles,
                             const StemWidth& stemWidth)
    : shoots_(std::move(shoots)) {
  for (const ConiferShoot& shoot : shoots_) {
    NeedleShoot along = needles;
    along.spine = shoot.spine;
    along.from = shoot.needlesFrom;
    along.bundles = shoot.needles;
    along.stemWidth = stemWidth(shoot.startWidth);
    along.seed = shoot.seed;
    brushes_.emplace_back(along);
  }
}

void ConiferBranch::paintFarNeedles(QPainter& painter) const {
  for (const NeedleBrush& brush : brushes_) brush.paintFarSide(painter);
}

void ConiferBranch::paintNearNeedles(QPainter& painter) const {
  for (const NeedleBrush& brush : brushes_) brush.paintNearSide(painter);
}

void ConiferBranch::paintWood(QPainter& painter, const Wood& wood, qreal budSize,
                              const QColor& bud) const {
  for (auto shoot = shoots_.rbegin(); shoot != shoots_.rend(); ++shoot) {
    wood(painter, *shoot, shoot == std::prev(shoots_.rend()));
    ConiferParts::paintBuds(painter, shoot->spine, budSize, bud);
  }
}

void ConiferBranch::paintCutEnd(QPainter& painter, const QColor& bark) const {
  const ConiferShoot& leader = shoots_.front();
  ConiferParts::paintCutEnd(painter, leader.spine, leader.startWidth, bark);
}

}  // namespace sylvenor::draw
