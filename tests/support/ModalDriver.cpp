#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <map>

namespace sylvenor::test {
namespace {

const std::map<QString, QString> kWayOut = {{"FrmOuiNon", "Command1"},
                                            {"FrmRecap", "BtnQuitter"},
                                            {"FrmImageAide", "Command1"},
                                            {"FrmDemanderNumEsp", "BtnQuit"}};

}  // namespace

ModalDriver::ModalDriver() : timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &ModalDriver::poll);
  timer_->start(0);
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  if (avant && avant(*modal)) return;
  answer(*modal);
}

void ModalDriver::answer(QWidget& window) {
  if (auto* box = qobject_cast<QMessageBox*>(&window)) {
    vus << QString("message: %1: %2").arg(box->windowTitle(), box->text());
    box->accept();
    return;
  }
  vus << window.objectName();
  if (auto* recap = window.findChild<QLabel*>("LblRecap")) recaps << recap->text();
  if (window.objectName() == "FrmOuiNon") {
    couleurs << (window.palette().color(QPalette::Window) == QColor(0, 192, 0) ? "vert" : "rouge");
  }
  const auto wayOut = kWayOut.find(window.objectName());
  auto* button =
      wayOut == kWayOut.end() ? nullptr : window.findChild<QAbstractButton*>(wayOut->second);
  if (button != nullptr) {
    QTest::mouseClick(button, Qt::LeftButton);
  } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
    dialog->reject();
  }
}

}  // namespace sylvenor::test
