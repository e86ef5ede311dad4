#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace sylvenor::draw {

class BodyShape;
class Profile;

// The scales of a bony fish: rows of thin plates that overlap like the tiles of a roof, each
// showing only its rounded free edge towards the tail.
class FishScales {
 public:
  struct Layout {
    qreal tStart = 0.25;  // just behind the gill cover
    qreal tEnd = 1.0;     // the base of the tail fin
    int columns = 40;     // scales along the lateral line
    int rows = 14;        // rows from the back to the belly
    QColor rimBack;       // the dark free edge of a scale on the back...
    QColor rimBelly;      // ... and on the belly
    QColor shine;         // the light crescent just inside that edge
  };

  // Paints the scales over what is already drawn inside clip.
  static void paint(QPainter& painter, const BodyShape& body, const QPainterPath& clip,
                    const Layout& layout);
  // The lateral line: a row of pierced scales, following v = lineV(t).
  static void paintLateralLine(QPainter& painter, const BodyShape& body, const Profile& lineV,
                               const Layout& layout, const QColor& colour);

 private:
  static void paintScale(QPainter& painter, const BodyShape& body, qreal t, qreal v, qreal along,
                         qreal across, const QColor& rim, const QColor& shine);
};

}  // namespace sylvenor::draw
