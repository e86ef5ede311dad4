#include "app/WindowPlacer.h"

#include <QEvent>
#include <QScreen>

#include "app/Fenetre.h"

namespace sylvenor {
namespace {

constexpr const char* kDejaPlacee = "sylvenorPlacee";

}  // namespace

WindowPlacer::WindowPlacer(QWidget& accueil, QObject* parent)
    : QObject(parent), accueil_(&accueil) {}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* fenetre = static_cast<QWidget*>(watched);
    const Qt::WindowType sorte = fenetre->windowType();
    // A dialog opened over a window is placed over it by Qt.
    const bool aPlacer =
        sorte == Qt::Window || (sorte == Qt::Dialog && fenetre->parentWidget() == nullptr);
    if (fenetre->isWindow() && aPlacer && fenetre != accueil_ &&
        !fenetre->property(kDejaPlacee).toBool()) {
      fenetre->setProperty(kDejaPlacee, true);
      placer(*fenetre);
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowPlacer::placer(QWidget& fenetre) const {
  if (accueil_ && accueil_->screen() != nullptr) fenetre.setScreen(accueil_->screen());
  if (fenetre.minimumSize() != fenetre.maximumSize()) {
    fenetre.resize(Fenetre::tailleDansEcran(fenetre, fenetre.size()));
  }
  Fenetre::centrer(fenetre);
}

}  // namespace sylvenor
