#include "keys/FrmCle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "app/Fenetre.h"
#include "app/FrmTemp.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "browse/FrmImageAide.h"
#include "keys/ControlesCle.h"
#include "keys/FicheInfo.h"
#include "keys/FrmDemanderNumEsp.h"
#include "keys/FrmOuiNon.h"
#include "keys/FrmRecap.h"
#include "keys/PanneauCompteur.h"
#include "keys/PhraseGroupe.h"
#include "keys/RecapText.h"
#include "platform/PictureLoader.h"
#include "platform/Twips.h"
#include "results/ResultatsEleves.h"
#include "species/ImagesEspece.h"
#include "teacher/FrmProf.h"

namespace sylvenor {
namespace {

constexpr int kLargeur = 12000;  // twips
constexpr int kHauteur = 9660;
// Where the card stops over the photograph.
constexpr int kHautFiche = 6360;
constexpr RectTwips kCadrePhoto{0, 5940, 4920, 3720};
constexpr int kLargeurFiche = 4200;
constexpr RectTwips kCompteur{9240, 5940, 2640, 2280};

QRect toPixels(const RectTwips& r) { return rectTwips(r.left, r.top, r.width, r.height); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QLabel* label(const QString& name, const QString& text, const RectTwips& rect, QWidget* parent) {
  return Fenetre::etiquette(name, text, toPixels(rect), parent);
}

}  // namespace

FrmCle::FrmCle(Programme& programme, const ProfilCle& profil, Entourage entourage,
               OrigineCle origine)
    : programme_(programme), profil_(profil), entourage_(entourage), origine_(std::move(origine)) {
  setObjectName(fromUtf8(profil.nomFenetre));
  setWindowTitle(fromUtf8(profil.titre));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twips(kLargeur), twips(kHauteur));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window,
                   QColor(profil.couleur[0], profil.couleur[1], profil.couleur[2]));
  setPalette(colours);
  setMouseTracking(true);
  construireEntete();
  controles_ = new ControlesCle(profil, entourage.images, *this);
  connect(controles_, &ControlesCle::passage, this, &FrmCle::passer);
  connect(controles_, &ControlesCle::validation, this, &FrmCle::valider);
  connect(controles_, &ControlesCle::aideDemandee, this, &FrmCle::aide);
  construirePhoto();
  construireFiche();
  construireCompteur();
  construireRetour();
}

FrmCle::~FrmCle() = default;

void FrmCle::construireEntete() {
  auto* title = label("Label1", fromUtf8(profil_.titre), {240, 120, 7000, 450}, this);
  title->setStyleSheet("font-size: 15pt; font-weight: bold;");
  label("Label2", fromUtf8(profil_.question), {240, 570, 7000, 360}, this);
  for (const TexteCle& texte : profil_.definition->entete) {
    label(fromUtf8(texte.nom), fromUtf8(texte.texte), texte.rect, this)
        ->setStyleSheet("font-weight: bold;");
  }
  // Created in reading order, which Tab follows: the dictionary, then "Quitter".
  if (profil_.dictionnaire) {
    auto* dictionary = new QPushButton("Dictionnaire", this);
    dictionary->setObjectName("BtnAide");
    dictionary->setGeometry(toPixels({8640, 240, 1980, 450}));
    connect(dictionary, &QPushButton::clicked, this, [this] {
      if (entourage_.dictionnaire) entourage_.dictionnaire();
    });
  }
  auto* quit = new PictureButton("BtnQuit", entourage_.images.image("QuitterRouge"),
                                 "Quitter la classification", this);
  quit->setGeometry(toPixels({11040, 120, 840, 840}));
  connect(quit, &QAbstractButton::clicked, this, &FrmCle::BtnQuit_Click);
}

// Last in the tab order, as it sits at the bottom of the window.
void FrmCle::construireRetour() {
  if (!profil_.continuation) return;
  auto* back = new QPushButton("< - - - - - -  RETOUR", this);
  back->setObjectName("BtnFrm1");
  back->setGeometry(toPixels({240, 5340, 2400, 450}));
  connect(back, &QPushButton::clicked, this, &FrmCle::BtnFrm1_Click);
}

void FrmCle::construirePhoto() {
  frmImage_ = new QFrame(this);
  frmImage_->setObjectName("FrmImage");
  frmImage_->setFrameShape(QFrame::Panel);
  frmImage_->setGeometry(toPixels(kCadrePhoto));
  imgEspece_ = new QLabel(frmImage_);
  imgEspece_->setObjectName("ImgEspece");
  imgEspece_->setAlignment(Qt::AlignCenter);
  imgEspece_->setGeometry(frmImage_->rect().adjusted(4, 4, -4, -4));
  imgEspece_->setMouseTracking(true);
  // Reached with Tab, the photograph brings the card in as the pointer over it does.
  imgEspece_->setFocusPolicy(Qt::TabFocus);
  imgEspece_->setAccessibleName("Photo de l'être vivant");
  imgEspece_->installEventFilter(this);
  icoLoupe_ = new PictureButton("IcoLoupe", entourage_.images.image("Loupe"),
                                "Voir la photo en grand", frmImage_);
  icoLoupe_->setGeometry(toPixels({4020, 2820, 780, 780}));
  connect(static_cast<QAbstractButton*>(icoLoupe_), &QAbstractButton::clicked, this,
          &FrmCle::AfficherLoupe);
}

void FrmCle::construireFiche() {
  frmInfo_ = new FicheInfo(twips(kLargeurFiche), this);
  // Out of view below the window until the pointer passes over the photograph.
  frmInfo_->move(frmImage_->width(), height());
  frmInfo_->hide();
}

void FrmCle::construireCompteur() {
  frmCompteur_ = new PanneauCompteur(this);
  frmCompteur_->setGeometry(toPixels(kCompteur));
}

OptionsEleve FrmCle::options() const { return programme_.options(); }

bool FrmCle::demarrer() {
  if (origine_.appelante || navigateur()) {
    espece_ = origine_.appelante ? origine_.appelante->espece() : origine_.especeNavigateur;
    if (!navigateur()) programme_.exercice().cleParcourue(profil_.nomCourt);
    frmCompteur_->setVisible(options().compteur);
    majCompteur();
    afficher(espece_);
    controles_->reinitialiser();
    return true;
  }
  if (!Exercice::especePossible(programme_.base(), profil_.vegetal, options())) {
    QMessageBox::information(this, "Information", fromUtf8(profil_.aucuneEspece));
    terminer();
    return false;
  }
  programme_.exercice().debutParcours(profil_.nomCourt);
  suivant();
  return true;
}

void FrmCle::suivant() {
  controles_->reinitialiser();
  frmCompteur_->setVisible(options().compteur);
  // The panel already counts the species to come while the pupil chooses its number.
  frmCompteur_->montrerRangSuivant(programme_.exercice());
  const auto espece =
      programme_.exercice().presenterEspece(programme_.base(), profil_.vegetal, options(),
                                            [this] { return entourage_.numero.demander(); });
  if (!espece) {
    // The teacher changed the base or the filters during the run.
    QMessageBox::information(this, "Information", fromUtf8(profil_.aucuneEspece));
    FinExercice();
    return;
  }
  espece_ = *espece;
  majCompteur();
  afficher(espece_);
}

void FrmCle::afficher(std::int16_t numero) {
  const FicheEspece& fiche = programme_.base().fiche(numero);
  imgEspece_->setPixmap(PictureLoader::pourAffichage(
      ImagesEspece::photo(programme_.dossier(), numero), imgEspece_->size(), devicePixelRatioF(),
      ImagesEspece::photo(programme_.dossier(), 0)));
  frmInfo_->montrer(fiche.Nom, rubriques(profil_.vegetal), fiche.Info);
  icoLoupe_->setVisible(
      programme_.fichiers().exists(ImagesEspece::photoAgrandie(programme_.dossier(), numero)));
}

void FrmCle::valider(const FeuilleCle& feuille) {
  const BaseEspeces& base = programme_.base();
  // A single classification from the browser is judged but records and counts nothing.
  const auto jugement =
      navigateur()
          ? Exercice::juger(base, espece_, feuille.code, options().reponse)
          : programme_.exercice().valider(base, feuille.groupe, feuille.code, options().reponse);
  montrerVerdict(jugement.juste);
  if (jugement.suivante) avancer(jugement.juste);
}

void FrmCle::avancer(bool juste) {
  if (origine_.appelante) {
    const QPointer<FrmCle> caller = origine_.appelante;
    terminer();
    caller->show();
    caller->avancer(juste);
    return;
  }
  if (!navigateur()) {
    suivant();
    return;
  }
  if (!juste) {
    controles_->reinitialiser();
    return;
  }
  const FicheEspece& fiche = programme_.base().fiche(espece_);
  if (origine_.afficherGroupe) {
    origine_.afficherGroupe(PhraseGroupe::phrase(fiche.Vegetal, fiche.Groupe));
  }
  terminer();
}

void FrmCle::passer() {
  suite_ = new FrmCle(programme_, *profil_.suite, entourage_,
                      {this, origine_.especeNavigateur, origine_.afficherGroupe});
  suite_->show();
  suite_->demarrer();
  hide();
}

void FrmCle::BtnFrm1_Click() {
  const QPointer<FrmCle> caller = origine_.appelante;
  terminer();
  if (caller) caller->ramener();
}

void FrmCle::ramener() {
  if (suite_ && suite_->isVisible()) {
    suite_->raise();
    suite_->activateWindow();
    return;
  }
  show();
  raise();
  activateWindow();
}

void FrmCle::montrerVerdict(bool juste) {
  FrmOuiNon(juste, entourage_.images, this).exec();
  majCompteur();
}

void FrmCle::majCompteur() { frmCompteur_->montrer(programme_.exercice()); }

bool FrmCle::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(event);
}

void FrmCle::Form_Activate() {
  frmCompteur_->setVisible(options().compteur);
  majCompteur();
}

bool FrmCle::eventFilter(QObject* watched, QEvent* event) {
  if (watched == imgEspece_) {
    // Tab brings the card as the pointer does; a click elsewhere leaves it to the pointer.
    const auto* focus = dynamic_cast<QFocusEvent*>(event);
    const bool parTab = focus != nullptr && (focus->reason() == Qt::TabFocusReason ||
                                             focus->reason() == Qt::BacktabFocusReason);
    if (event->type() == QEvent::MouseMove || (event->type() == QEvent::FocusIn && parTab)) {
      montrerFiche();
    }
    if (event->type() == QEvent::FocusOut && parTab) cacherFiche();
  }
  return QWidget::eventFilter(watched, event);
}

void FrmCle::mouseMoveEvent(QMouseEvent* event) {
  cacherFiche();
  QWidget::mouseMoveEvent(event);
}

void FrmCle::montrerFiche() {
  if (options().fiche) frmInfo_->entrer(std::min(twips(kHautFiche), hautFicheEntiere()));
}

// A card taller than its usual place rises higher, so that its last line stays in view.
int FrmCle::hautFicheEntiere() const { return height() - frmInfo_->height(); }

void FrmCle::cacherFiche() { frmInfo_->sortir(); }

void FrmCle::aide(int index) {
  FrmImageAide viewer(this);
  viewer.chargerImage(programme_.dossier() / "aide" / (std::to_string(index) + profil_.suffixeAide),
                      ImagesEspece::photo(programme_.dossier(), 0));
  viewer.exec();
  programme_.exercice().aideConsultee();
  frmCompteur_->montrerAide(programme_.exercice());
}

void FrmCle::AfficherLoupe() {
  FrmImageAide viewer(this);
  viewer.setLegende("");
  viewer.chargerImage(ImagesEspece::photoAgrandie(programme_.dossier(), espece_),
                      ImagesEspece::photo(programme_.dossier(), 0));
  if (espece_ >= 1 && espece_ <= programme_.base().NbFiches()) {
    viewer.setTag(fromUtf8(programme_.base().fiche(espece_).Nom));
  }
  viewer.exec();
}

void FrmCle::BtnQuit_Click() {
  const QPointer<FrmCle> caller = origine_.appelante;
  if (navigateur()) {
    terminer();
  } else {
    programme_.exercice().finDeParcours();
    FinExercice();
  }
  if (caller) caller->terminer();
}

void FrmCle::FinExercice() {
  const Exercice& exercice = programme_.exercice();
  std::string texte = RecapText::composerRecap(exercice, programme_.base());
  // Kept for the teacher; a disk that refuses it never keeps the pupil from the recap.
  if (exercice.rangEspece() > 0) {
    ResultatsEleves(programme_.fichiers(), programme_.dossier())
        .enregistrer(exercice.resultat(texte, programme_.horloge().now()));
  }
  FrmRecap recap(texte, programme_.imprimante(), this);
  recap.exec();
  terminer();
  entourage_.accueil.show();
  entourage_.accueil.raise();
  entourage_.accueil.activateWindow();
}

void FrmCle::terminer() {
  fini_ = true;
  close();
}

void FrmCle::closeEvent(QCloseEvent* event) {
  // Closing the window is quitting the key: the pupil sees the recap first.
  if (!fini_) {
    event->ignore();
    // After this close has been refused, so that the run can end with its own close.
    QTimer::singleShot(0, this, &FrmCle::BtnQuit_Click);
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace sylvenor
