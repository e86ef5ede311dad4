#pragma once

#include <QImage>

#include "HelpEntry.h"

class QPainter;

namespace sylvenor::draw {

// One help picture: the entry's title on top, the criterion drawn in the middle and the
// explanation in large letters below.
class HelpPictureComposer {
 public:
  static constexpr QSize kSize{800, 600};

  struct Picture {
    QImage image;
    bool complete = true;  // false when the title or the explanation had to be cut to fit
  };

  static Picture compose(const HelpEntry& entry);
  static bool hasDrawing(const HelpEntry& entry);

 private:
  static void paintFrame(QPainter& painter, const QColor& accent);
  static void paintQuestionMark(QPainter& painter, const QColor& accent);
  static bool paintTitle(QPainter& painter, const QString& title);
  static void paintDrawing(QPainter& painter, const HelpEntry& entry);
  static bool paintExplanation(QPainter& painter, const QString& text, bool besideDrawing);
  static QString withFrenchSpacing(QString text);
  static QColor accent(const QString& key);
};

}  // namespace sylvenor::draw
