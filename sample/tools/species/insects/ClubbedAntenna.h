#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// A short beetle antenna of eleven articles: a stout first article, a thin beaded stalk and a
// club of three broad articles at the tip.
class ClubbedAntenna {
 public:
  // bend pushes the middle of the antenna sideways, in units, to the left of base -> tip.
  ClubbedAntenna(QPointF base, QPointF tip, qreal bend);

  void paint(QPainter& painter) const;
  QPainterPath silhouette() const;

 private:
  QPainterPath article(std::size_t index) const;
  void paintArticle(QPainter& painter, std::size_t index) const;

  std::vector<QPointF> joints_;
  std::vector<qreal> radii_;
};

}  // namespace sylvenor::draw
