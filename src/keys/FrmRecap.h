#pragma once

#include <QDialog>
#include <string>

#include "platform/Printer.h"

class QLabel;

namespace sylvenor {

// The recap of the exercise at the end of a key run, shown modal, with its print button and,
// for rooms without a printer, the same print saved as a PDF file.
class FrmRecap : public QDialog {
  Q_OBJECT

 public:
  FrmRecap(const std::string& texte, Printer& imprimante, QWidget* parent = nullptr);

 private:
  void CmdImprim_Click();
  void CmdPdf_Click();
  void imprimer(Printer& imprimante);
  void BtnQuitter_Click();
  // Shows the failure of one printing step; printing then goes on with the next one.
  void verifier(int erreur);

  Printer& imprimante_;
  QString dossierPdf_;
  QLabel* lblRecap_ = nullptr;
};

}  // namespace sylvenor
