#include "keys/FrmRecap.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include "app/SaveFileDialog.h"
#include "keys/RecapText.h"
#include "platform/QtPrinter.h"
#include "platform/Twips.h"

namespace sylvenor {

FrmRecap::FrmRecap(const std::string& texte, Printer& imprimante, QWidget* parent)
    : QDialog(parent), imprimante_(imprimante) {
  setObjectName("FrmRecap");
  setWindowTitle("Récapitulatif");
  setModal(true);

  lblRecap_ = new QLabel(this);
  lblRecap_->setObjectName("LblRecap");
  // The pupil's name is shown as typed, never read as markup.
  lblRecap_->setTextFormat(Qt::PlainText);
  lblRecap_->setText(QString::fromStdString(texte));
  // A fixed-width font puts the paths of all species in one column.
  lblRecap_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lblRecap_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblRecap_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblRecap_->setMargin(6);
  auto* defilement = new QScrollArea(this);
  defilement->setObjectName("DefilementRecap");
  defilement->setWidget(lblRecap_);
  defilement->setWidgetResizable(true);
  defilement->setBackgroundRole(QPalette::Base);

  auto* cmdImprim = new QPushButton("Imprimer le récapitulatif", this);
  cmdImprim->setObjectName("CmdImprim");
  auto* cmdPdf = new QPushButton("Enregistrer en PDF", this);
  cmdPdf->setObjectName("CmdPdf");
  auto* btnQuitter = new QPushButton("Quitter", this);
  btnQuitter->setObjectName("BtnQuitter");
  btnQuitter->setDefault(true);
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(cmdImprim);
  boutons->addWidget(cmdPdf);
  boutons->addStretch();
  boutons->addWidget(btnQuitter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(defilement);
  layout->addLayout(boutons);
  resize(twips(10500), twips(7200));

  connect(cmdImprim, &QPushButton::clicked, this, &FrmRecap::CmdImprim_Click);
  connect(cmdPdf, &QPushButton::clicked, this, &FrmRecap::CmdPdf_Click);
  connect(btnQuitter, &QPushButton::clicked, this, &FrmRecap::BtnQuitter_Click);
}

void FrmRecap::CmdImprim_Click() { imprimer(imprimante_); }

void FrmRecap::imprimer(Printer& imprimante) {
  verifier(imprimante.printEmptyLine());
  verifier(imprimante.setFontName("Arial"));
  verifier(imprimante.printText(lblRecap_->text().toStdString()));
  verifier(imprimante.endDocument());
}

void FrmRecap::CmdPdf_Click() {
  const QString fichier =
      SaveFileDialog::ask(this, "Enregistrer en PDF", "Récapitulatif.pdf", "PDF (*.pdf)");
  if (fichier.isEmpty()) return;
  QtPrinter pdf(fichier);
  imprimer(pdf);
}

void FrmRecap::BtnQuitter_Click() { accept(); }

void FrmRecap::verifier(int erreur) {
  if (erreur == 0) return;
  QMessageBox message(QMessageBox::NoIcon, "Imprimer",
                      QString::fromStdString(RecapText::messageImpression(erreur)), QMessageBox::Ok,
                      this);
  message.exec();
}

}  // namespace sylvenor
