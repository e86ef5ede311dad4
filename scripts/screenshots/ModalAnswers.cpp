#include "ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "WalkSteps.h"

ModalAnswers::ModalAnswers(QString out, bool& ok) : out_(std::move(out)), ok_(ok) {
  auto* poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, &ModalAnswers::answer);
  poll->start(100);
}

void ModalAnswers::answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    box->accept();
    return;
  }
  if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !fichier.isEmpty()) {
    dialog->selectFile(out_ + "/" + fichier);
    static_cast<QDialog*>(dialog)->accept();
    return;
  }
  const QString name = modal->objectName();
  if (pictures.contains(name)) ok_ = walk::save(*modal, out_ + "/" + pictures.take(name)) && ok_;
  if (name == "FrmDemanderNumEsp") {
    modal->findChild<QScrollBar*>("Scroll")->setValue(numero);
    QTest::mouseClick(modal->findChild<QAbstractButton*>("BtnQuit"), Qt::LeftButton);
  } else if (auto* entry = modal->findChild<QLineEdit*>("TxtNomEleve")) {
    entry->setText(nom);
    QTest::mouseClick(modal->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
  } else if (auto* out = modal->findChild<QAbstractButton*>(name == "FrmRecap" ? "BtnQuitter"
                                                                               : "Command1")) {
    QTest::mouseClick(out, Qt::LeftButton);
  } else {
    modal->close();
  }
}
