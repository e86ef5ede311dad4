#include "keys/KeyLineRouter.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "keys/DefinitionCle.h"
#include "keys/KeyLine.h"

namespace sylvenor {
namespace {

constexpr int kEcart = 4;  // pixels between a line and what it joins or goes round

// Where a label shows its text; a button, whole.
QRect place(const QWidget& widget) {
  const auto* label = qobject_cast<const QLabel*>(&widget);
  if (label == nullptr) return widget.geometry();
  const int drapeaux = static_cast<int>(label->alignment()) |
                       (label->wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
  return label->fontMetrics()
      .boundingRect(label->contentsRect(), drapeaux, label->text())
      .translated(label->pos());
}

class Routage {
 public:
  Routage(const QString& nomAides, QWidget& fenetre) : nomAides_(nomAides), fenetre_(fenetre) {
    for (QWidget* widget : fenetre.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const bool montre = widget->isVisibleTo(&fenetre);
      const auto* label = qobject_cast<const QLabel*>(widget);
      const bool texte = label != nullptr && !label->text().trimmed().isEmpty();
      if (montre && (texte || qobject_cast<QAbstractButton*>(widget) != nullptr)) {
        obstacles_.push_back(place(*widget));
      }
    }
  }

  QRect textes(const std::vector<TexteCle>& liste) const {
    QRect tout;
    for (const TexteCle& texte : liste) {
      if (QWidget* label = controle(texte.nom)) tout |= place(*label);
    }
    return tout;
  }

  // The answer and its help label, which sit side by side.
  QRect reponse(const ReponseCle& r) const {
    QRect tout;
    if (QWidget* bouton = controle(r.nom)) tout = bouton->geometry();
    if (r.aide < 0) return tout;
    if (QWidget* aide = fenetre_.findChild<QWidget*>(QString("%1(%2)").arg(nomAides_).arg(r.aide)))
      tout |= aide->geometry();
    return tout;
  }

  void tracer(const std::vector<LigneCle>& lignes, const QRect& depuis, const QRect& vers) const {
    if (lignes.empty() || depuis.isNull() || vers.isNull()) return;
    const QPolygonF chemin = meilleurChemin(depuis, vers);
    // A line drawn in pieces shares its straight path among them.
    const auto n = static_cast<qreal>(lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
      auto* ligne = fenetre_.findChild<KeyLine*>(QString::fromStdString(lignes[i].nom));
      if (ligne == nullptr) continue;
      if (chemin.size() != 2) {
        ligne->placer(i == 0 ? chemin : QPolygonF{chemin.back(), chemin.back()});
        continue;
      }
      const QPointF a = chemin.front();
      const QPointF b = chemin.back();
      ligne->placer({a + (b - a) * (static_cast<qreal>(i) / n),
                     a + (b - a) * (static_cast<qreal>(i + 1) / n)});
    }
  }

 private:
  QWidget* controle(const std::string& nom) const {
    return fenetre_.findChild<QWidget*>(QString::fromStdString(nom));
  }

  // Straight when nothing is in the way, else round below the answer, else round above it,
  // rising or falling to the text in the nearest free column before it.
  QPolygonF meilleurChemin(const QRect& depuis, const QRect& vers) const {
    const QPointF a(depuis.right() + kEcart, depuis.center().y());
    const qreal y = std::clamp<qreal>(a.y(), vers.top() + 2, vers.bottom() - 2);
    const QPolygonF droit{a, QPointF(vers.left() - kEcart, y)};
    if (libre(droit)) return droit;
    std::vector<qreal> colonnes{static_cast<qreal>(vers.left() - kEcart)};
    for (const QRect& obstacle : obstacles_) {
      if (obstacle.left() > depuis.right() && obstacle.left() < vers.left()) {
        colonnes.push_back(obstacle.left() - kEcart);
      }
    }
    std::sort(colonnes.rbegin(), colonnes.rend());
    // Round the answer as far from it as the gap to its neighbours allows: a larger font
    // brings the texts above and below closer.
    const qreal x = depuis.center().x();
    for (const int ecart : {2 * kEcart, kEcart, 2}) {
      const qreal dessous = depuis.bottom() + ecart;
      const qreal dessus = depuis.top() - ecart;
      for (const qreal colonne : colonnes) {
        const QPolygonF parDessous{QPointF(x, depuis.bottom() + 2), QPointF(x, dessous),
                                   QPointF(colonne, dessous), QPointF(colonne, vers.bottom() - 2),
                                   QPointF(vers.left() - kEcart, vers.bottom() - 2)};
        if (libre(parDessous)) return parDessous;
        const QPolygonF parDessus{QPointF(x, depuis.top() - 2), QPointF(x, dessus),
                                  QPointF(colonne, dessus), QPointF(colonne, vers.top() + 2),
                                  QPointF(vers.left() - kEcart, vers.top() + 2)};
        if (libre(parDessus)) return parDessus;
      }
    }
    return droit;
  }

  bool libre(const QPolygonF& chemin) const {
    for (qsizetype i = 1; i < chemin.size(); ++i) {
      const QLineF segment(chemin[i - 1], chemin[i]);
      const qreal pas = 1.0 / std::max(1.0, segment.length());
      for (qreal t = 0; t <= 1.0; t += pas) {
        const QPoint point = segment.pointAt(t).toPoint();
        for (const QRect& obstacle : obstacles_) {
          if (obstacle.adjusted(-1, -1, 1, 1).contains(point)) return false;
        }
      }
    }
    return true;
  }

  const QString& nomAides_;
  QWidget& fenetre_;
  std::vector<QRect> obstacles_;
};

}  // namespace

void KeyLineRouter::relier(const DefinitionCle& cle, const QString& nomAides, QWidget& fenetre) {
  const Routage routage(nomAides, fenetre);
  for (const NoeudCle& noeud : cle.noeuds) {
    for (const ReponseCle& r : noeud.reponses) {
      if (r.noeud >= 0) {
        const NoeudCle& suite = cle.noeuds.at(static_cast<std::size_t>(r.noeud));
        routage.tracer(suite.lignes, routage.reponse(r), routage.textes(suite.textes));
      }
      if (r.feuille >= 0) {
        const FeuilleCle& feuille = cle.feuilles.at(static_cast<std::size_t>(r.feuille));
        routage.tracer(feuille.lignes, routage.reponse(r), routage.textes({feuille.texte}));
      }
    }
  }
}

}  // namespace sylvenor
