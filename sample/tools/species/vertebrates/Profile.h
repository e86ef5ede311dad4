#pragma once

#include <QPointF>
#include <initializer_list>
#include <vector>

namespace sylvenor::draw {

// A smooth function of a position along a body (0 at the front, 1 at the back), given by a few
// knots: the half-width of a body, the length of the rays of a fin... The interpolation keeps
// the monotony between knots so that a silhouette never bulges past the knots drawn.
class Profile {
 public:
  Profile() = default;
  Profile(std::initializer_list<QPointF> knots);
  explicit Profile(std::vector<QPointF> knots);

  qreal operator()(qreal t) const;

 private:
  void computeSlopes();

  std::vector<QPointF> knots_;
  std::vector<qreal> slopes_;
};

}  // namespace sylvenor::draw
