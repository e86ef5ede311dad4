#include "keys/ControlesCle.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include "app/CaptionLayout.h"
#include "app/Fenetre.h"
#include "app/FrmTemp.h"
#include "app/PictureButton.h"
#include "keys/KeyLine.h"
#include "keys/KeyLineRouter.h"
#include "platform/Twips.h"

namespace sylvenor {
namespace {

QRect toPixels(const RectTwips& r) { return rectTwips(r.left, r.top, r.width, r.height); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ControlesCle::ControlesCle(const ProfilCle& profil, const FrmTemp& images, QWidget& fenetre)
    : QObject(&fenetre),
      profil_(profil),
      images_(images),
      fenetre_(fenetre),
      etat_(*profil.definition) {
  const DefinitionCle& cle = *profil.definition;
  noeuds_.resize(cle.noeuds.size());
  feuilles_.resize(cle.feuilles.size());
  for (std::size_t i = 0; i < cle.noeuds.size(); ++i) {
    construireNoeud(static_cast<int>(i), cle.noeuds[i]);
  }
  for (std::size_t i = 0; i < cle.feuilles.size(); ++i) {
    construireFeuille(static_cast<int>(i), cle.feuilles[i]);
  }
  for (const TexteCle& texte : cle.avertissements) {
    QLabel* warning = Fenetre::etiquette(fromUtf8(texte.nom), fromUtf8(texte.texte),
                                         toPixels(texte.rect), &fenetre);
    warning->setStyleSheet("font-weight: bold; color: #5a0000;");
    avertissements_.push_back(warning);
  }
  appliquer();
}

void ControlesCle::construireNoeud(int index, const NoeudCle& noeud) {
  Controles& controles = noeuds_[static_cast<std::size_t>(index)];
  for (const TexteCle& texte : noeud.textes) {
    QLabel* caption =
        Fenetre::etiquette(fromUtf8(texte.nom), CaptionLayout::lignes(fromUtf8(texte.texte)),
                           toPixels(texte.rect), &fenetre_);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignCenter);
    controles.widgets.push_back(caption);
  }
  for (const LigneCle& ligne : noeud.lignes) {
    controles.widgets.push_back(new KeyLine(ligne, &fenetre_));
  }
  for (std::size_t r = 0; r < noeud.reponses.size(); ++r) {
    QAbstractButton* button = construireReponse(noeud.reponses[r], controles);
    const ReponseCle& reponse = noeud.reponses[r];
    connect(button, &QAbstractButton::clicked, this, [this, index, r, &reponse] {
      if (reponse.passage) {
        emit passage();
        return;
      }
      etat_.repondre(index, static_cast<int>(r));
      appliquer();
    });
  }
}

QAbstractButton* ControlesCle::construireReponse(const ReponseCle& reponse, Controles& controles) {
  QAbstractButton* button = nullptr;
  if (reponse.image == ImageReponse::Aucune) {
    button = new QPushButton(fromUtf8(reponse.legende), &fenetre_);
    button->setObjectName(fromUtf8(reponse.nom));
  } else {
    const bool oui = reponse.image == ImageReponse::Oui;
    const std::string& picture = oui ? profil_.imageOui : profil_.imageNon;
    button = new PictureButton(fromUtf8(reponse.nom), images_.image(fromUtf8(picture)),
                               oui ? "Oui" : "Non", &fenetre_);
    // A picture larger than its button is shown smaller, whole.
    button->setIconSize(toPixels(reponse.rect).size() - QSize(8, 8));
  }
  button->setGeometry(toPixels(reponse.rect));
  controles.widgets.push_back(button);
  if (reponse.aide >= 0) {
    auto* help = new QPushButton("?", &fenetre_);
    help->setObjectName(QString("%1(%2)").arg(fromUtf8(profil_.nomAides)).arg(reponse.aide));
    help->setToolTip("Aide");
    help->setAccessibleName("Aide");
    help->setFlat(true);
    help->setStyleSheet("font-weight: bold; color: #0000c0;");
    help->setGeometry(toPixels(reponse.rectAide));
    connect(help, &QPushButton::clicked, this,
            [this, index = reponse.aide] { emit aideDemandee(index); });
    controles.widgets.push_back(help);
  }
  return button;
}

void ControlesCle::construireFeuille(int index, const FeuilleCle& feuille) {
  Controles& controles = feuilles_[static_cast<std::size_t>(index)];
  QLabel* caption = Fenetre::etiquette(fromUtf8(feuille.texte.nom),
                                       CaptionLayout::lignes(fromUtf8(feuille.texte.texte)),
                                       toPixels(feuille.texte.rect), &fenetre_);
  caption->setAlignment(Qt::AlignCenter);
  caption->setStyleSheet("font-weight: bold;");
  controles.widgets.push_back(caption);
  for (const LigneCle& ligne : feuille.lignes) {
    controles.widgets.push_back(new KeyLine(ligne, &fenetre_));
  }
  auto* ok = new PictureButton(
      fromUtf8(feuille.nomOk), images_.image("Accepter"),
      "Valider : " + CaptionLayout::lignes(fromUtf8(feuille.texte.texte)).replace('\n', ' '),
      &fenetre_);
  ok->setGeometry(toPixels(feuille.rectOk));
  ok->setIconSize(ok->size() - QSize(8, 8));
  connect(ok, &QAbstractButton::clicked, this, [this, &feuille] { emit validation(feuille); });
  controles.widgets.push_back(ok);
}

void ControlesCle::appliquer() {
  for (std::size_t i = 0; i < noeuds_.size(); ++i) {
    for (QWidget* widget : noeuds_[i].widgets) {
      widget->setVisible(etat_.noeudVisible(static_cast<int>(i)));
    }
  }
  for (std::size_t i = 0; i < feuilles_.size(); ++i) {
    for (QWidget* widget : feuilles_[i].widgets) {
      widget->setVisible(etat_.feuilleVisible(static_cast<int>(i)));
    }
  }
  for (QWidget* warning : avertissements_) warning->setVisible(etat_.avertissementVisible());
  KeyLineRouter::relier(*profil_.definition, fromUtf8(profil_.nomAides), fenetre_);
}

// Each species starts with the keyboard on the key's first answer, never on "Quitter".
void ControlesCle::reinitialiser() {
  etat_.reinitialiser();
  appliquer();
  for (QWidget* widget : noeuds_.front().widgets) {
    if (auto* reponse = qobject_cast<QAbstractButton*>(widget)) {
      reponse->setFocus();
      return;
    }
  }
}

}  // namespace sylvenor
