#include "workshop/FrmEntrerNom.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/Fenetre.h"
#include "keys/Exercice.h"
#include "platform/Clock.h"
#include "platform/Twips.h"
#include "workshop/NomEleve.h"

namespace sylvenor {
namespace {

constexpr int kLargeur = 7350;  // twips, client area
constexpr int kHauteur = 1875;
constexpr int kDelaiFocus = 1000;  // ms

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* etiquette(const QString& name, const QString& text, int left, int top, QWidget* parent) {
  QLabel* label = Fenetre::etiquette(name, text, parent);
  label->move(twips(left), twips(top));
  label->adjustSize();
  return label;
}

}  // namespace

FrmEntrerNom::FrmEntrerNom(Exercice& exercice, Clock& horloge, QWidget* parent)
    : QDialog(parent), exercice_(exercice), horloge_(horloge) {
  setObjectName("FrmEntrerNom");
  setWindowTitle(QString());
  // No close button: the window answers only to "Continuer".
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFixedSize(twips(kLargeur), twips(kHauteur));
  QPalette fond = palette();
  fond.setColor(QPalette::Window, QColor(128, 128, 255));
  setPalette(fond);
  setAutoFillBackground(true);
  construire();
}

void FrmEntrerNom::construire() {
  etiquette("Label4", "Qui es-tu ?", 3090, 60, this);
  etiquette("Label1", "Entre ton nom dans la zone ci-dessous et clique sur \"Continuer\".", 1065,
            525, this);

  txtNomEleve_ = new QLineEdit(fromView(NomEleve::kInvite), this);
  txtNomEleve_->setObjectName("TxtNomEleve");
  txtNomEleve_->setAccessibleName("Ton nom");
  txtNomEleve_->setGeometry(rectTwips(90, 750, 7200, 435));
  txtNomEleve_->setFont(QFont("MS Sans Serif", 12, QFont::Bold));
  QPalette rose = txtNomEleve_->palette();
  rose.setColor(QPalette::Base, QColor(255, 192, 192));
  txtNomEleve_->setPalette(rose);
  txtNomEleve_->installEventFilter(this);

  command1_ = new QPushButton("Continuer", this);
  command1_->setObjectName("Command1");
  command1_->setToolTip("Continuer");
  command1_->setGeometry(rectTwips(2460, 1290, 2535, 495));
  // Enter is handled by the window itself, once, wherever the focus is.
  command1_->setAutoDefault(false);
  // At opening the focus is on the button; the box gets it from the timer or a click.
  command1_->setFocus();
  connect(command1_, &QPushButton::clicked, this, &FrmEntrerNom::Command1_Click);

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setSingleShot(true);
  timer1_->setInterval(kDelaiFocus);
  connect(timer1_, &QTimer::timeout, this, &FrmEntrerNom::Timer1_Timer);
}

void FrmEntrerNom::reject() {}

bool FrmEntrerNom::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtNomEleve_ && event->type() == QEvent::FocusIn) TxtNomEleve_GotFocus();
  return QDialog::eventFilter(watched, event);
}

void FrmEntrerNom::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Command1_Click();
  } else {
    QDialog::keyPressEvent(event);
  }
}

void FrmEntrerNom::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Fenetre::centrer(*this);
  timer1_->start();
}

void FrmEntrerNom::Timer1_Timer() { txtNomEleve_->setFocus(); }

void FrmEntrerNom::TxtNomEleve_GotFocus() {
  if (txtNomEleve_->text() == fromView(NomEleve::kInvite)) {
    txtNomEleve_->setText(QString::fromStdString(NomEleve::nomPropose(exercice_.nomEleve())));
  }
}

void FrmEntrerNom::Command1_Click() {
  const auto saisie = NomEleve::valider(txtNomEleve_->text().toStdString());
  switch (saisie.verdict) {
    case NomEleve::Verdict::Vide:
      txtNomEleve_->setFocus();
      break;
    case NomEleve::Verdict::Refuse:
      refuserNom();
      break;
    case NomEleve::Verdict::Accepte:
      exercice_.nouvelEleve(saisie.nom, horloge_.now());
      accept();
      break;
  }
}

void FrmEntrerNom::refuserNom() {
  QMessageBox message(QMessageBox::NoIcon, "Attention", fromView(NomEleve::kMessageRefus),
                      QMessageBox::Ok, this);
  message.exec();
  txtNomEleve_->clear();
  txtNomEleve_->setFocus();
}

}  // namespace sylvenor
