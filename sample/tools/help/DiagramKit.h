#pragma once

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <initializer_list>

class QPainter;

namespace sylvenor::draw {

// What every help drawing shares: labels with leader lines, numbered badges, guide lines, arrows,
// close-up lenses and soft shading, so that all the help pictures read the same way.
class DiagramKit {
 public:
  using Content = std::function<void(QPainter&)>;

  // A label whose centre is `centre`, with a thin leader line to each target ("\n" breaks lines).
  static void label(QPainter& painter, std::initializer_list<QPointF> targets, QPointF centre,
                    const QString& text);
  // A short statement in a framed box, such as how many legs the pairs make.
  static void caption(QPainter& painter, const QRectF& box, const QString& text,
                      const QColor& colour);
  static void badge(QPainter& painter, QPointF centre, int number, const QColor& colour);
  static void guide(QPainter& painter, QPointF from, QPointF to);
  // A dashed circle drawing the eye to one spot of the drawing.
  static void ring(QPainter& painter, QPointF centre, qreal radius);
  static void arrow(QPainter& painter, const QPainterPath& path, const QColor& colour);
  // A red "no" sign over what was drawn there: the criterion is about something missing.
  static void crossOut(QPainter& painter, QPointF centre, qreal radius);
  // Draws `content` enlarged in a round lens linked to the small circle around `source`.
  static void lens(QPainter& painter, QPointF source, qreal sourceRadius, QPointF centre,
                   qreal radius, const Content& content);
  // Draws `content` shrunk into a small round medallion, used for the crossed-out reminders.
  static void medallion(QPainter& painter, QPointF centre, qreal radius, qreal scale,
                        QPointF contentCentre, const Content& content);
  static void closeUpHint(QPainter& painter, QPointF topLeft);

  // The unit vector at right angles to `line`, as QLineF::normalVector() turns it.
  static QPointF across(const QLineF& line);
  // A diamond with softened corners: the tile of scale nets and cone scales.
  static QPainterPath diamond(QPointF centre, qreal halfWidth, qreal halfHeight);
  static QPainterPath tapered(const QPainterPath& centreLine, qreal startWidth, qreal endWidth);
  // A band along `centreLine`, halfWidth(t) wide on each side, t going from 0 to 1 in `steps`.
  static QPainterPath band(const QPainterPath& centreLine, int steps,
                           const std::function<qreal(qreal t)>& halfWidth);
  static QBrush linear(QPointF from, QPointF to, const QColor& start, const QColor& end);
  static QBrush cylinder(qreal left, qreal right, const QColor& light, const QColor& dark);
  static QBrush rounded(QPointF centre, qreal radius, const QColor& light, const QColor& dark);
  // A soft spot of colour fading to nothing at its edge: gloss, shading or stains.
  static void glow(QPainter& painter, QPointF centre, qreal radiusX, qreal radiusY, qreal degrees,
                   const QColor& colour);

 private:
  static QRectF labelBox(const QFont& font, QPointF centre, const QString& text);
  static QPointF nearestOnBox(const QRectF& box, QPointF target);
};

}  // namespace sylvenor::draw
