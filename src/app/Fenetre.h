#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace sylvenor {

// What the windows set up the same way.
class Fenetre {
 public:
  // A label whose text is shown as written, never as markup; at `rect` when one is given, else
  // for a layout to place.
  static QLabel* etiquette(const QString& name, const QString& caption, const QRect& rect,
                           QWidget* parent);
  static QLabel* etiquette(const QString& name, const QString& caption, QWidget* parent);
  // Widens a word-wrapped label to its longest line where its parent has room, gives it the
  // height its text then needs, and moves it up when it would otherwise run out of its parent.
  static void ajusterAuTexte(QLabel& label);
  // Makes the font of a word-wrapped label of fixed size smaller until its text fits.
  static void tenirDansLaBoite(QLabel& label);
  // In a set of exclusive options, Tab comes to the one chosen (to the first while none is),
  // and the arrows move among them.
  static void tabulerSurLeChoix(const QList<QAbstractButton*>& options);
  static void colorerFond(QWidget& widget, const QColor& couleur);
  static void centrer(QWidget& fenetre);
  // The size nearest to `voulue` that, with the window's frame, fits the screen it is on.
  static QSize tailleDansEcran(const QWidget& fenetre, QSize voulue);
  // Moves the window, frame included, back onto its screen where it runs out of it.
  static void garderDansEcran(QWidget& fenetre);
};

}  // namespace sylvenor
