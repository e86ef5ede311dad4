#include "workshop/FrmCreer.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "app/Fenetre.h"
#include "app/FrenchMessageBox.h"
#include "app/FrmTemp.h"
#include "app/PictureButton.h"
#include "app/Programme.h"
#include "keys/RecapText.h"
#include "platform/Twips.h"
#include "teacher/FrmProf.h"
#include "workshop/ClassificationsEnregistrees.h"
#include "workshop/EtresVivantsAtelier.h"
#include "workshop/FrmChargerClassif.h"
#include "workshop/FrmTester.h"

namespace sylvenor {
namespace {

constexpr int kLargeur = 12045;  // twips
constexpr int kHauteur = 8775;
constexpr int kLargeurCase = 1600;
constexpr int kHauteurCase = 675;

struct Case {
  const char* nom;
  const char* titre;
  int left;
  int top;
};

// The key tree in the order of its nine texts.
constexpr std::array<Case, ClassificationEleve::kNbCases> kCases = {{
    {"Text100", "pose ta question:", 45, 2760},
    {"Text010", "pose ta question:", 4935, 1260},
    {"Text020", "pose ta question:", 4935, 4260},
    {"choix010", "réponse 1:", 3045, 2025},
    {"choix020", "réponse 2 :", 3015, 4080},
    {"choix001", "réponse 3:", 8280, 705},
    {"choix002", "réponse 4 :", 8280, 2070},
    {"choix003", "réponse 5:", 8280, 3615},
    {"choix004", "réponse 6 :", 8280, 5130},
}};
// Which box each box leads to, by index in kCases; 9 to 12 are the final boxes A to D.
constexpr std::array<std::pair<int, int>, 12> kLiens = {{{0, 3},
                                                         {0, 4},
                                                         {3, 1},
                                                         {4, 2},
                                                         {1, 5},
                                                         {1, 6},
                                                         {2, 7},
                                                         {2, 8},
                                                         {5, 9},
                                                         {6, 10},
                                                         {7, 11},
                                                         {8, 12}}};
constexpr std::array<int, PlateauClassification::kNbImages> kLeftsNumeros = {150, 2027, 3855, 5745};

QString texte(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::int32_t enTwips(qreal pixels) {
  return static_cast<std::int32_t>(std::lround(pixels * kTwipsParPixel));
}

}  // namespace

FrmCreer::FrmCreer(Programme& programme, Entourage entourage)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      programme_(programme),
      entourage_(entourage) {
  setObjectName("FrmCreer");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twips(kLargeur), twips(kHauteur));
  Fenetre::colorerFond(*this, QColor(255, 224, 192));
  setMouseTracking(true);
  construireCle();
  construireImages();
  construireBoutons();
  afficherTextes(ClassificationEleve::ouverture());
}

FrmCreer::~FrmCreer() = default;

void FrmCreer::construireCle() {
  for (std::size_t i = 0; i < kCases.size(); ++i) {
    const Case& c = kCases[i];
    const bool question = i < ClassificationEleve::kInvites.size();
    const QRect rect = question ? rectTwips(c.left, c.top, 2600, 1100)
                                : rectTwips(c.left, c.top, kLargeurCase, kHauteurCase);
    cases_[i] = caseTexte(c.nom, rect, question);
    Fenetre::etiquette({}, c.titre, rectTwips(c.left, c.top - 255, 2600, 240), this);
  }
  for (int k = 0; k < PlateauClassification::kNbImages; ++k) {
    auto* shape = new QFrame(this);
    shape->setObjectName(QString("Shape%1").arg(k + 1));
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(rectTwips(PlateauClassification::kLeftBoites,
                                 PlateauClassification::kTopsBoites.at(k),
                                 PlateauClassification::kTaille, PlateauClassification::kTaille));
    auto* lettre = Fenetre::etiquette(QString("Image%1").arg(k + 1), QString(QChar('A' + k)),
                                      shape->rect(), shape);
    lettre->setAlignment(Qt::AlignCenter);
    lettre->setStyleSheet("font-size: 40pt; font-weight: bold; color: rgb(128, 128, 160);");
  }
}

QPlainTextEdit* FrmCreer::caseTexte(const QString& name, const QRect& rect, bool question) {
  auto* box = new QPlainTextEdit(this);
  box->setObjectName(name);
  box->setAccessibleName(name);
  box->setGeometry(rect);
  box->setTabChangesFocus(true);
  if (question) {
    QPalette couleurs = box->palette();
    couleurs.setColor(QPalette::Base, QColor(192, 192, 255));
    couleurs.setColor(QPalette::Text, QColor(128, 0, 128));
    box->setPalette(couleurs);
    QFont police("MS Sans Serif");
    police.setPointSizeF(9.75);
    box->setFont(police);
    box->viewport()->installEventFilter(this);
    box->installEventFilter(this);
  }
  return box;
}

void FrmCreer::construireImages() {
  Fenetre::etiquette("Label4",
                     "Etres vivants à classer: fais-les glisser dans une case de ta classification",
                     rectTwips(150, 6705, 7400, 300), this);
  aide_ = Fenetre::etiquette("Aide", {}, rectTwips(75, 4455, 2655, 2115), this);
  aide_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  aide_->setWordWrap(true);
  aide_->setStyleSheet("background: rgb(255, 255, 224); border: 1px solid gray; padding: 3px;");
  aide_->hide();
  for (int i = 0; i < PlateauClassification::kNbImages; ++i) {
    const EtreVivantAtelier& etre = kEtresVivantsAtelier.at(i);
    Fenetre::etiquette(QString("LblNum(%1)").arg(i), QString::number(i + 1),
                       rectTwips(kLeftsNumeros.at(i), 7125, 195, 285), this);
    img_[i] = Fenetre::etiquette(QString("Img(%1)").arg(i), {}, {}, this);
    img_[i]->setPixmap(entourage_.images.image(texte(etre.image)));
    img_[i]->setScaledContents(true);
    // A placed picture covers its box, letter included; a blue frame shows the keyboard's place.
    img_[i]->setStyleSheet(
        "QLabel { background: white; border: 1px solid gray; }"
        "QLabel:focus { border: 3px solid #0050c0; }");
    img_[i]->setFocusPolicy(Qt::TabFocus);
    img_[i]->setAccessibleName(texte(etre.nom));
    img_[i]->setAccessibleDescription(
        "Avec le clavier, appuie sur A, B, C ou D pour le mettre dans cette case.");
    img_[i]->setToolTip(texte(etre.nom));
    img_[i]->setCursor(Qt::OpenHandCursor);
    img_[i]->setMouseTracking(true);
    img_[i]->installEventFilter(this);
    placer(i);
  }
}

QPushButton* FrmCreer::bouton(const QString& name, const QString& caption, const QRect& rect) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setGeometry(rect);
  button->setStyleSheet("background: rgb(255, 192, 128);");
  // A long caption takes a smaller font rather than losing its ends.
  QFont police = button->font();
  while (police.pointSizeF() > 6 &&
         QFontMetrics(police).horizontalAdvance(caption) > rect.width() - 8) {
    police.setPointSizeF(police.pointSizeF() - 0.5);
  }
  button->setFont(police);
  return button;
}

void FrmCreer::construireBoutons() {
  Fenetre::etiquette("Label1", "Classification de:", rectTwips(2025, 45, 2400, 285), this);
  Fenetre::etiquette("TxtNomEleve", QString::fromStdString(programme_.exercice().nomEleve()),
                     rectTwips(2040, 330, 7000, 285), this)
      ->setStyleSheet("font-weight: bold;");
  auto* quitter = new PictureButton("BtnQuit", entourage_.images.image("QuitterSamuon"),
                                    "Quitter l'atelier", this);
  quitter->setGeometry(rectTwips(120, 165, 1790, 610));
  connect(quitter, &QToolButton::clicked, this, &FrmCreer::BtnQuit_Click);

  const OptionsEleve options = programme_.options();
  auto* remise = bouton("Command2", "Tout remettre à zéro", rectTwips(3045, 5745, 2175, 585));
  auto* imprimer = bouton("BtnImprim", "Imprimer l'écran", rectTwips(8985, 6945, 2175, 585));
  auto* enregistrer = bouton("BtnEnreg", "Enregistrer", rectTwips(8985, 7530, 1080, 585));
  auto* charger = bouton("BtnCharger", "Charger", rectTwips(10065, 7530, 1095, 585));
  auto* tester =
      bouton("BtnTest", "Fais essayer ta classification", rectTwips(8985, 8115, 2175, 585));
  imprimer->setVisible(options.impression);
  enregistrer->setVisible(options.enregistrer);
  charger->setVisible(options.enregistrer);
  tester->setVisible(options.tester);
  connect(remise, &QPushButton::clicked, this, &FrmCreer::Command2_Click);
  connect(imprimer, &QPushButton::clicked, this, &FrmCreer::BtnImprim_Click);
  connect(enregistrer, &QPushButton::clicked, this, &FrmCreer::BtnEnreg_Click);
  connect(charger, &QPushButton::clicked, this, &FrmCreer::BtnCharger_Click);
  connect(tester, &QPushButton::clicked, this, &FrmCreer::BtnTest_Click);
}

ClassificationEleve FrmCreer::classification() const {
  ClassificationEleve cle;
  for (std::size_t i = 0; i < cases_.size(); ++i) {
    cle.textes[i] = cases_[i]->toPlainText().toStdString();
  }
  return cle;
}

void FrmCreer::afficherTextes(const ClassificationEleve& cle) {
  for (std::size_t i = 0; i < cases_.size(); ++i) {
    cases_[i]->setPlainText(QString::fromStdString(cle.textes[i]));
  }
}

void FrmCreer::charger(const ClassificationEleve& cle) {
  afficherTextes(cle);
  for (std::size_t i = 0; i < ClassificationEleve::kInvites.size(); ++i) {
    QFont police = cases_[i]->font();
    police.setPointSize(10);
    cases_[i]->setFont(police);
  }
}

void FrmCreer::ramener() {
  QWidget* devant = essai_ && essai_->isVisible() ? static_cast<QWidget*>(essai_.data()) : this;
  devant->show();
  devant->raise();
  devant->activateWindow();
}

bool FrmCreer::ouvert() const { return isVisible() || (essai_ && essai_->isVisible()); }

bool FrmCreer::event(QEvent* event) {
  // A drag whose button release never comes (another window took the pointer) ends there.
  if (event->type() == QEvent::WindowDeactivate && glissee_ >= 0) lacher(glissee_);
  if (event->type() == QEvent::Close) {
    entourage_.accueil.show();
    entourage_.accueil.raise();
    entourage_.accueil.activateWindow();
  }
  return QWidget::event(event);
}

bool FrmCreer::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < PlateauClassification::kNbImages; ++i) {
    if (watched == img_[i]) return Img_Souris(i, event);
  }
  // A placeholder goes when the pupil clicks into its box or comes to it with Tab.
  const auto* focus = dynamic_cast<QFocusEvent*>(event);
  const bool parTab =
      event->type() == QEvent::FocusIn && focus != nullptr &&
      (focus->reason() == Qt::TabFocusReason || focus->reason() == Qt::BacktabFocusReason);
  for (std::size_t i = 0; i < ClassificationEleve::kInvites.size(); ++i) {
    const bool entre =
        (event->type() == QEvent::MouseButtonPress && watched == cases_[i]->viewport()) ||
        (parTab && watched == cases_[i]);
    if (entre && ClassificationEleve::estInvite(cases_[i]->toPlainText().toStdString())) {
      cases_[i]->clear();
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool FrmCreer::Img_Souris(int index, QEvent* event) {
  const auto* souris = dynamic_cast<QMouseEvent*>(event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      glissee_ = index;
      depart_ = {enTwips(souris->position().x()), enTwips(souris->position().y())};
      img_[index]->raise();
      return true;
    case QEvent::MouseMove:
      if (souris->buttons() == Qt::LeftButton) {
        glisser(index, souris->position());
      } else if (glissee_ == index) {
        lacher(index);
      }
      afficherAide(index);
      return true;
    case QEvent::MouseButtonRelease:
      lacher(index);
      return true;
    case QEvent::FocusIn:
      afficherAide(index);
      return false;
    case QEvent::FocusOut:
      aide_->hide();
      return false;
    case QEvent::KeyPress:
      return ranger(index, *static_cast<QKeyEvent*>(event));
    default:
      return false;
  }
}

void FrmCreer::glisser(int index, QPointF pointeur) {
  PositionTwips position = plateau_.position(index);
  position.left += enTwips(pointeur.x()) - depart_.left;
  position.top += enTwips(pointeur.y()) - depart_.top;
  plateau_.deplacer(index, position);
  placer(index);
}

// From the keyboard, the letter of a box puts the picture into it, as a drop there would.
bool FrmCreer::ranger(int index, const QKeyEvent& touche) {
  // Ctrl+C and the like are not letters.
  if (touche.key() < Qt::Key_A || touche.key() > Qt::Key_D ||
      (touche.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != 0) {
    return false;
  }
  const auto boite = static_cast<std::size_t>(touche.key() - Qt::Key_A);
  plateau_.deplacer(
      index, {PlateauClassification::kLeftBoites, PlateauClassification::kTopsBoites.at(boite)});
  lacher(index);
  return true;
}

void FrmCreer::lacher(int index) {
  glissee_ = -1;
  plateau_.deposer(index);
  placer(index);
}

void FrmCreer::placer(int index) {
  const PositionTwips position = plateau_.position(index);
  img_[index]->setGeometry(rectTwips(position.left, position.top, PlateauClassification::kTaille,
                                     PlateauClassification::kTaille));
}

void FrmCreer::afficherAide(int index) {
  aide_->setText(QString::fromStdString(kEtresVivantsAtelier.at(index).lignes()));
  Fenetre::ajusterAuTexte(*aide_);
  aide_->show();
  aide_->raise();
}

void FrmCreer::mouseMoveEvent(QMouseEvent* event) {
  if (glissee_ >= 0 && !(event->buttons() & Qt::LeftButton)) lacher(glissee_);
  aide_->hide();
  aide_->clear();
  QWidget::mouseMoveEvent(event);
}

void FrmCreer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  const auto boite = [this](int index) -> QRect {
    if (index < static_cast<int>(cases_.size())) return cases_[index]->geometry();
    return findChild<QFrame*>(QString("Shape%1").arg(index - 8))->geometry();
  };
  for (const auto& [de, vers] : kLiens) {
    const QRect a = boite(de);
    const QRect b = boite(vers);
    painter.drawLine(QPoint(a.right(), a.center().y()), QPoint(b.left(), b.center().y()));
  }
  painter.drawRect(rectTwips(45, 6660, 7560, kHauteur - 6660 - 15));
}

void FrmCreer::Command2_Click() {
  afficherTextes(ClassificationEleve::remiseAZero());
  plateau_.remettreAZero();
  for (int i = 0; i < PlateauClassification::kNbImages; ++i) placer(i);
}

void FrmCreer::BtnImprim_Click() {
  Printer& imprimante = programme_.imprimante();
  // The document is ended even after a failure, so the next print starts a fresh one.
  const int image = imprimante.printImage(grab().toImage());
  const int fin = imprimante.endDocument();
  const int erreur = image != 0 ? image : fin;
  if (erreur == 0) return;
  FrenchMessageBox::avertir(this, "Imprimer",
                            QString::fromStdString(RecapText::messageImpression(erreur)),
                            QMessageBox::NoIcon);
}

void FrmCreer::BtnTest_Click() {
  switch (plateau_.verifierEssai()) {
    case PlateauClassification::Essai::NonPlacees:
      FrenchMessageBox::avertir(this, "Attention", "Toutes les images n'ont pas été placées !");
      return;
    case PlateauClassification::Essai::MalPlacees:
      FrenchMessageBox::avertir(this, "Attention", "Les images sont mal placées !");
      return;
    case PlateauClassification::Essai::Possible:
      break;
  }
  std::array<QPixmap, PlateauClassification::kNbImages> images;
  for (int i = 0; i < PlateauClassification::kNbImages; ++i) images.at(i) = img_[i]->pixmap();
  essai_ = new FrmTester(
      {classification(), plateau_, images, programme_.exercice().nomEleve()}, entourage_.images,
      [this] { finEssai(); }, this);
  essai_->show();
  hide();
}

void FrmCreer::finEssai() {
  show();
  raise();
  activateWindow();
}

void FrmCreer::BtnEnreg_Click() {
  ClassificationsEnregistrees sauvegardes(programme_.fichiers(), programme_.dossier());
  const FileError erreur = sauvegardes.enregistrer(
      classification(), programme_.exercice().nomEleve(), programme_.horloge().now());
  if (erreur != FileError::Aucune) {
    FrenchMessageBox::avertir(this, "Attention",
                              QString::fromStdString(ClassificationsEnregistrees::messageErreur(
                                  erreur, ClassificationsEnregistrees::Operation::Enregistrement)));
    return;
  }
  FrenchMessageBox::avertir(this, "Enregistrement", texte(ClassificationsEnregistrees::kReussite),
                            QMessageBox::NoIcon);
}

void FrmCreer::BtnCharger_Click() {
  // A loading window that was closed is on its way out: a new one takes its place.
  if (!chargement_ || !chargement_->isVisible()) {
    chargement_ = new FrmChargerClassif(
        programme_, [this](const ClassificationEleve& cle) { charger(cle); }, this);
    chargement_->ouvrir();
  }
  chargement_->show();
  chargement_->raise();
  chargement_->activateWindow();
}

void FrmCreer::BtnQuit_Click() { close(); }

}  // namespace sylvenor
