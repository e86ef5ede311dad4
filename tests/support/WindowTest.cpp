#include "support/WindowTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace sylvenor::test {
namespace {

QString settingsFile(const TempDir& dir) {
  return QString::fromStdString((dir / "config" / "brambel-Sylvenor.ini").string());
}

}  // namespace

WindowTest::WindowTest() { restartProgram(); }

void WindowTest::restartProgram() {
  programme_.reset();
  settings_ = std::make_unique<IniSettingsStore>(settingsFile(dossier_));
  programme_ = std::make_unique<Programme>(
      dossier_.path(), Programme::Services{fichiers_, *settings_, session_, session_, imprimante_,
                                           horloge_, volumes_});
}

void WindowTest::setSetting(const std::string& section, const std::string& key,
                            const std::string& text) {
  settings_->setValue(section, key, text);
}

std::optional<std::string> WindowTest::setting(const std::string& section, const std::string& key) {
  // A second store on the same file, as the next run of the program opens it.
  IniSettingsStore fromDisk(settingsFile(dossier_));
  return fromDisk.value(section, key);
}

bool WindowTest::montreEntier(const QLabel& label) {
  const QRect boite = label.contentsRect();
  const QFontMetrics mesure(label.font());
  const QStringList lignes = label.text().split('\n');
  for (const QString& ligne : lignes) {
    const QStringList morceaux = label.wordWrap() ? ligne.split(' ') : QStringList{ligne};
    for (const QString& morceau : morceaux) {
      if (mesure.horizontalAdvance(morceau) > boite.width()) return false;
    }
  }
  const int hauteur = label.wordWrap() ? label.heightForWidth(label.width())
                                       : static_cast<int>(lignes.size()) * mesure.lineSpacing();
  const QWidget* fenetre = label.window();
  const QRect place(label.mapTo(fenetre, QPoint(0, 0)), label.size());
  return hauteur <= label.height() && fenetre->rect().contains(place);
}

void WindowTest::click(QWidget& window, const QString& name) {
  auto* button = window.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name.toStdString();
  ASSERT_TRUE(button->isVisible()) << name.toStdString();
  // Check boxes and option buttons answer only on their box and caption, at the left.
  const bool captioned = button->inherits("QCheckBox") || button->inherits("QRadioButton");
  const QPoint where = captioned ? QPoint(8, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

std::shared_ptr<WindowTest::ModalSeen> WindowTest::answerNextModal() {
  auto seen = std::make_shared<ModalSeen>();
  auto* poll = new QTimer(answerers_.get());
  QObject::connect(poll, &QTimer::timeout, [seen, poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen->title = box->windowTitle();
    seen->text = box->text();
    box->accept();
    poll->deleteLater();
  });
  poll->start(0);
  return seen;
}

}  // namespace sylvenor::test
