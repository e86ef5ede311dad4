#include "workshop/FrmTester.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "app/Fenetre.h"
#include "app/FrmTemp.h"
#include "app/PictureButton.h"
#include "keys/KeyLine.h"
#include "platform/Twips.h"
#include "workshop/EtresVivantsAtelier.h"

namespace sylvenor {
namespace {

constexpr int kLargeurReponse = 1650;
constexpr int kHauteurReponse = 720;
constexpr std::array<int, 4> kLefts = {375, 2415, 4485, 6480};

// Each line joins a question to an answer, or an answer to what it leads to; it runs from
// side to side and never over the answer itself.
struct Lien {
  const char* ligne;
  const char* depuis;
  const char* vers;
};
constexpr std::array<Lien, 12> kLiens = {{
    {"Line1", "Txt100", "Btn010"},
    {"Line1b", "Btn010", "Txt010"},
    {"Line2", "Txt100", "Btn020"},
    {"Line2b", "Btn020", "Txt020"},
    {"Line3", "Txt010", "Btn001"},
    {"Line7", "Btn001", "BtnOK011"},
    {"Line4", "Txt010", "Btn002"},
    {"Line8", "Btn002", "BtnOK012"},
    {"Line10", "Txt020", "Btn003"},
    {"Line9", "Btn003", "BtnOK013"},
    {"Line5", "Txt020", "Btn004"},
    {"Line6", "Btn004", "BtnOK014"},
}};
// The two lines from a second-level answer to its final box, A to D.
constexpr std::array<std::array<const char*, 2>, 4> kChemins = {{
    {"Line3", "Line7"},
    {"Line4", "Line8"},
    {"Line10", "Line9"},
    {"Line5", "Line6"},
}};
// What each branch shows: its line from the start question, its question and its answers.
constexpr std::array<std::array<const char*, 5>, 2> kBranches = {{
    {"Line1", "Line1b", "Txt010", "Btn001", "Btn002"},
    {"Line2", "Line2b", "Txt020", "Btn003", "Btn004"},
}};

QLabel* image(const QString& name, const QRect& rect, QWidget* parent) {
  QLabel* picture = Fenetre::etiquette(name, {}, rect, parent);
  picture->setScaledContents(true);
  return picture;
}

}  // namespace

FrmTester::FrmTester(Plateau plateau, const FrmTemp& images, std::function<void()> retour,
                     QWidget* parent)
    : QWidget(parent, Qt::Window),
      plateau_(std::move(plateau)),
      essai_(plateau_.placement),
      retour_(std::move(retour)) {
  setObjectName("FrmTester");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(twips(12045), twips(8775));
  Fenetre::colorerFond(*this, QColor(255, 224, 192));
  Fenetre::etiquette("Label1", "Tester la classification", rectTwips(2055, 165, 6000, 330), this)
      ->setStyleSheet("font-size: 14pt; font-weight: bold;");
  Fenetre::etiquette("TxtNomEleve", "de: " + QString::fromStdString(plateau_.nomEleve),
                     rectTwips(2115, 480, 7000, 285), this);
  auto* quitter =
      new PictureButton("BtnQuit", images.image("QuitterSamuon"), "Quitter l'essai", this);
  quitter->setGeometry(rectTwips(90, 195, 1790, 610));
  auto* retourCreation = new QPushButton("Retour à la création", this);
  retourCreation->setObjectName("BtnRetour");
  retourCreation->setGeometry(rectTwips(8760, 8055, 2175, 585));
  connect(quitter, &QToolButton::clicked, this, &QWidget::close);
  connect(retourCreation, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  construireCle();
  for (int k = 0; k < PlateauClassification::kNbImages; ++k) {
    auto* ok = new PictureButton(QString("BtnOK01%1").arg(k + 1), images.image("Accepter"),
                                 QString("Valider la case %1").arg(QChar('A' + k)), this);
    ok->setGeometry(rectTwips(10245, std::array{915, 2250, 3960, 5235}.at(k), 1635, 450));
    connect(ok, &QToolButton::clicked, this, [this, k] { accepter(k); });
  }
  relier();
  construireClasser();
  construireComparaison();
  RAZ();
  // The trial starts once, when the window opens; coming back to it does not start it again.
  Les4especes();
  focaliserDepart();
}

FrmTester::~FrmTester() = default;

void FrmTester::construireCle() {
  question("Txt100", ClassificationEleve::Depart, rectTwips(195, 2700, 2415, 1300));
  question("Txt010", ClassificationEleve::Question1, rectTwips(4920, 1185, 2415, 1300));
  question("Txt020", ClassificationEleve::Question2, rectTwips(4965, 4170, 2415, 1300));
  connect(reponse("Btn010", ClassificationEleve::Reponse1,
                  rectTwips(3045, 1995, kLargeurReponse, kHauteurReponse)),
          &QAbstractButton::clicked, this, [this] { ouvrirBranche(Branche1); });
  connect(reponse("Btn020", ClassificationEleve::Reponse2,
                  rectTwips(3045, 4095, kLargeurReponse, kHauteurReponse)),
          &QAbstractButton::clicked, this, [this] { ouvrirBranche(Branche2); });
  const std::array<int, 4> tops = {795, 2145, 3810, 5175};
  for (int k = 0; k < 4; ++k) {
    connect(reponse(QString("Btn00%1").arg(k + 1), ClassificationEleve::Reponse3 + k,
                    rectTwips(7740, tops.at(k), kLargeurReponse, kHauteurReponse)),
            &QAbstractButton::clicked, this, [this, k] { choisirBoite(k); });
  }
}

void FrmTester::relier() {
  constexpr int kEcart = 2;
  for (const Lien& lien : kLiens) {
    const QRect depuis = findChild<QWidget*>(lien.depuis)->geometry();
    const QRect vers = findChild<QWidget*>(lien.vers)->geometry();
    auto* ligne = new KeyLine({lien.ligne}, this, QColor(255, 128, 0));
    ligne->placer({QPointF(depuis.right() + kEcart, depuis.center().y()),
                   QPointF(vers.left() - kEcart, vers.center().y())});
  }
}

QLabel* FrmTester::question(const QString& name, std::size_t texteCle, const QRect& rect) {
  QLabel* label = Fenetre::etiquette(name, QString::fromStdString(plateau_.cle.textes.at(texteCle)),
                                     rect, this);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet("background: rgb(192, 192, 255); color: rgb(128, 0, 128);");
  Fenetre::tenirDansLaBoite(*label);
  return label;
}

// An answer may be long: its text wraps inside the button.
QAbstractButton* FrmTester::reponse(const QString& name, std::size_t texteCle, const QRect& rect) {
  auto* button = new QPushButton(this);
  button->setObjectName(name);
  button->setGeometry(rect);
  const QString caption = QString::fromStdString(plateau_.cle.textes.at(texteCle));
  button->setAccessibleName(caption);
  auto* label = new QLabel(caption, button);
  label->setObjectName("Texte");
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QHBoxLayout(button);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
  layout->activate();
  Fenetre::tenirDansLaBoite(*label);
  return button;
}

void FrmTester::construireClasser() {
  frmClasser_ = new QGroupBox("Classer :", this);
  frmClasser_->setObjectName("FrmClasser");
  frmClasser_->setGeometry(rectTwips(15, 6090, 4590, 2670));
  imgTest_ = image("ImgTest", rectTwips(180, 645, 1500, 1500), frmClasser_);
  aide_ = Fenetre::etiquette("Aide", {}, rectTwips(1815, 300, 2655, 2265), frmClasser_);
  aide_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  aide_->setWordWrap(true);
  Fenetre::etiquette("Label2", "Espèces classées :", rectTwips(120, 1065, 1800, 285), this);
  lblNumEsp_ = Fenetre::etiquette("LblNumEsp", "-1", rectTwips(690, 1380, 285, 285), this);
  Fenetre::etiquette("LblTotEsp", "/ 4", rectTwips(975, 1380, 400, 285), this);
  lblBienPlace_ = Fenetre::etiquette("LblBienPlace", "0", rectTwips(195, 1350, 285, 285), this);
  lblBienPlace_->hide();
}

void FrmTester::construireComparaison() {
  frmCompare_ = new QGroupBox(this);
  frmCompare_->setObjectName("FrmCompare");
  frmCompare_->setGeometry(rectTwips(2475, 1230, 8505, 5550));
  // The results cover the key.
  frmCompare_->setAutoFillBackground(true);
  const QString nom = QString::fromStdString(plateau_.nomEleve);
  Fenetre::etiquette("Label3", "Animaux placés comme ", rectTwips(135, 270, 2895, 285),
                     frmCompare_);
  Fenetre::etiquette("LblNom(0)", nom, rectTwips(3030, 270, 5300, 285), frmCompare_);
  Fenetre::etiquette("Label4", "Animaux placés différemment de ", rectTwips(120, 2640, 3960, 285),
                     frmCompare_);
  Fenetre::etiquette("LblNom(1)", nom, rectTwips(4080, 2640, 4300, 285), frmCompare_);
  for (int j = 0; j < PlateauClassification::kNbImages; ++j) {
    imgBien_.at(j) =
        image(QString("ImgBien(%1)").arg(j), rectTwips(kLefts.at(j), 600, 1500, 1500), frmCompare_);
    imgFaux_.at(j) = image(QString("ImgFaux(%1)").arg(j), rectTwips(kLefts.at(j), 3000, 1500, 1500),
                           frmCompare_);
    imgBien_.at(j)->hide();
    imgFaux_.at(j)->hide();
  }
  lblResult_ =
      Fenetre::etiquette("LblResult", "Résultats", rectTwips(345, 4665, 7665, 660), frmCompare_);
  lblResult_->setStyleSheet("font-weight: bold;");
  lblResult_->hide();
  frmCompare_->hide();
  timerBien_ = new QTimer(this);
  timerBien_->setObjectName("TimerBien");
  timerBien_->setInterval(500);
  connect(timerBien_, &QTimer::timeout, this, &FrmTester::TimerBien_Timer);
}

void FrmTester::montrer(const QString& name, bool visible) {
  findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)->setVisible(visible);
}

void FrmTester::Les4especes() {
  lblNumEsp_->setText(QString::number(essai_.rang()));
  if (essai_.termine()) {
    RAZ();
    Compare();
    return;
  }
  imgTest_->setPixmap(plateau_.images.at(essai_.rang()));
  aide_->setText(QString::fromStdString(kEtresVivantsAtelier.at(essai_.rang()).lignes()));
  Fenetre::ajusterAuTexte(*aide_);
}

void FrmTester::RAZ() {
  fermerBranche(Branche1);
  fermerBranche(Branche2);
}

// A branch closed hides its question, its answers, every path line after them and the
// acceptance buttons.
void FrmTester::fermerBranche(Branche branche) {
  for (const char* name : kBranches.at(branche)) montrer(name, false);
  for (const auto& chemin : kChemins) {
    for (const char* name : chemin) montrer(name, false);
  }
  for (int k = 1; k <= 4; ++k) montrer(QString("BtnOK01%1").arg(k), false);
}

void FrmTester::ouvrirBranche(Branche branche) {
  fermerBranche(branche == Branche1 ? Branche2 : Branche1);
  for (const char* name : kBranches.at(branche)) montrer(name, true);
}

void FrmTester::choisirBoite(int boite) {
  for (const auto& chemin : kChemins) {
    for (const char* name : chemin) montrer(name, false);
  }
  for (const char* name : kChemins.at(boite)) montrer(name, true);
  for (int k = 0; k < 4; ++k) montrer(QString("BtnOK01%1").arg(k + 1), k == boite);
}

void FrmTester::accepter(int boite) {
  if (essai_.termine()) return;
  const bool commePrevu = essai_.accepter(boite);
  const auto& rangee = commePrevu ? essai_.commePrevu() : essai_.autrement();
  (commePrevu ? imgBien_ : imgFaux_)
      .at(rangee.size() - 1)
      ->setPixmap(plateau_.images.at(rangee.back()));
  lblBienPlace_->setText(QString::number(essai_.commePrevu().size()));
  RAZ();
  Les4especes();
  focaliserDepart();
}

// The keyboard goes back to the key's first answer for each picture, and to the way back to
// the board once the results show.
void FrmTester::focaliserDepart() {
  if (auto* cible = findChild<QWidget*>(essai_.termine() ? "BtnRetour" : "Btn010"))
    cible->setFocus();
}

void FrmTester::Compare() {
  montrer("Txt100", false);
  // Under the results, the key's answers must not be reached with Tab.
  for (const char* name : {"Btn010", "Btn020"}) findChild<QWidget*>(name)->setEnabled(false);
  frmClasser_->hide();
  frmCompare_->show();
  lblResult_->setText(QString::fromStdString(essai_.resultat(plateau_.nomEleve)));
  timerBien_->start();
}

// The rows fill one slot every half second, the planned one from the left and the other from
// the right; the sentence comes last.
void FrmTester::TimerBien_Timer() {
  if (etapeAffichage_ >= PlateauClassification::kNbImages) {
    timerBien_->stop();
    lblResult_->show();
    return;
  }
  imgBien_.at(etapeAffichage_)->show();
  imgFaux_.at(PlateauClassification::kNbImages - 1 - etapeAffichage_)->show();
  ++etapeAffichage_;
}

void FrmTester::closeEvent(QCloseEvent* event) {
  retour_();
  QWidget::closeEvent(event);
}

}  // namespace sylvenor
