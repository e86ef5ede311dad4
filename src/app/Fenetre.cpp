#include "app/Fenetre.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace sylvenor {
namespace {

constexpr qreal kPlusPetitePolice = 6.5;

// What the window system adds around a window; before its first showing it is not known, and
// room for a title bar is kept.
QSize cadre(const QWidget& fenetre) {
  constexpr QSize kCadreSuppose(8, 40);
  if (!fenetre.isVisible()) return kCadreSuppose;
  return (fenetre.frameGeometry().size() - fenetre.size()).expandedTo({0, 0});
}

}  // namespace

QLabel* Fenetre::etiquette(const QString& name, const QString& caption, const QRect& rect,
                           QWidget* parent) {
  QLabel* label = etiquette(name, caption, parent);
  label->setGeometry(rect);
  return label;
}

QLabel* Fenetre::etiquette(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

void Fenetre::ajusterAuTexte(QLabel& label) {
  const QWidget* parent = label.parentWidget();
  int large = 0;
  for (const QString& ligne : label.text().split('\n')) {
    large = std::max(large, label.fontMetrics().horizontalAdvance(ligne));
  }
  // Never narrower than it was laid out; a little slack, as a wrapped label lays its text out
  // a few pixels short of its width.
  constexpr const char* kLargeurDessinee = "largeurDessinee";
  if (!label.property(kLargeurDessinee).isValid())
    label.setProperty(kLargeurDessinee, label.width());
  const int dessinee = label.property(kLargeurDessinee).toInt();
  const int bords = label.width() - label.contentsRect().width();
  const int place = parent == nullptr ? QWIDGETSIZE_MAX : parent->width() - label.x();
  label.setFixedWidth(std::min(std::max(dessinee, large + bords + 6), place));
  label.setFixedHeight(label.heightForWidth(label.width()));
  if (parent == nullptr) return;
  const int depasse = label.geometry().bottom() - parent->rect().bottom();
  if (depasse > 0) label.move(label.x(), std::max(0, label.y() - depasse));
}

void Fenetre::tenirDansLaBoite(QLabel& label) {
  QFont police = label.font();
  const auto depasse = [&label] {
    const QRect boite = label.contentsRect();
    const int drapeaux = static_cast<int>(label.alignment()) | Qt::TextWordWrap;
    return label.fontMetrics().boundingRect(boite, drapeaux, label.text()).height() >
           boite.height();
  };
  while (police.pointSizeF() > kPlusPetitePolice && depasse()) {
    police.setPointSizeF(police.pointSizeF() - 0.5);
    label.setFont(police);
  }
  // Whatever still does not fit can be read whole under the pointer.
  label.setToolTip(depasse() ? label.text() : QString());
}

void Fenetre::tabulerSurLeChoix(const QList<QAbstractButton*>& options) {
  const auto suivre = [options] {
    const bool choisie = std::any_of(options.begin(), options.end(),
                                     [](const QAbstractButton* o) { return o->isChecked(); });
    for (QAbstractButton* option : options) {
      const bool tab = option->isChecked() || !choisie;
      option->setFocusPolicy(tab ? Qt::StrongFocus : Qt::ClickFocus);
    }
  };
  for (QAbstractButton* option : options) {
    QObject::connect(option, &QAbstractButton::toggled, option, suivre);
  }
  suivre();
}

void Fenetre::colorerFond(QWidget& widget, const QColor& couleur) {
  widget.setAutoFillBackground(true);
  QPalette fond = widget.palette();
  fond.setColor(QPalette::Window, couleur);
  widget.setPalette(fond);
}

// A window's position is that of its frame.
void Fenetre::centrer(QWidget& fenetre) {
  const QRect ecran = fenetre.screen()->availableGeometry();
  const QSize tout = fenetre.size() + cadre(fenetre);
  fenetre.move(ecran.left() + (ecran.width() - tout.width()) / 2,
               ecran.top() + (ecran.height() - tout.height()) / 2);
}

QSize Fenetre::tailleDansEcran(const QWidget& fenetre, QSize voulue) {
  return voulue.boundedTo(fenetre.screen()->availableGeometry().size() - cadre(fenetre));
}

void Fenetre::garderDansEcran(QWidget& fenetre) {
  const QRect ecran = fenetre.screen()->availableGeometry();
  const QRect cadre = fenetre.frameGeometry();
  const int dx = std::max(ecran.left() - cadre.left(), std::min(0, ecran.right() - cadre.right()));
  const int dy = std::max(ecran.top() - cadre.top(), std::min(0, ecran.bottom() - cadre.bottom()));
  if (dx != 0 || dy != 0) fenetre.move(fenetre.pos() + QPoint(dx, dy));
}

}  // namespace sylvenor
