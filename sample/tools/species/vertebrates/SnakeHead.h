#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace sylvenor::draw {

// The head of a snake turned to show its side, so that the eye and the shape of its pupil can be
// seen: drawn in its own frame (x from the neck to the snout, y down), then placed at the neck.
class SnakeHead {
 public:
  struct Design {
    qreal length = 100;
    qreal depth = 60;
    qreal neck = 20;      // half-width of the neck where the head joins it
    qreal snoutLift = 0;  // how far the tip of the snout turns up (viper)
    qreal jawBulge = 0;   // how much the back of the head swells (venom glands of a viper)
    QPointF eye;          // fractions of the length and of the depth
    qreal eyeRadius = 10;
    bool verticalPupil = false;
    QColor iris;
    QColor top;
    QColor lip;
    QColor lipSeams;  // the dark edges of the lip scales
    QColor outline;
    QColor stripe;            // a dark band from the eye to the angle of the jaw, or transparent
    bool largePlates = true;  // big head shields, or a net of small scales
  };

  explicit SnakeHead(const Design& design);

  // Paints the head with its back on neck, pointing in direction (degrees on screen).
  void paint(QPainter& painter, QPointF neck, qreal direction) const;
  // How far the back of the head, which fades out, reaches over the neck.
  qreal overlap() const;

 private:
  QPainterPath outline() const;
  QPainterPath mouthLine() const;
  QPointF eyeCentre() const;
  void paintSkin(QPainter& painter, const QPainterPath& shape) const;
  void paintLips(QPainter& painter, const QPainterPath& shape) const;
  void paintPlates(QPainter& painter, const QPainterPath& shape) const;
  void paintEye(QPainter& painter) const;

  Design design_;
};

}  // namespace sylvenor::draw
