#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "app/Programme.h"
#include "platform/IniSettingsStore.h"
#include "support/FakeClock.h"
#include "support/FakePrinter.h"
#include "support/FakeSession.h"
#include "support/FakeVolumeQuery.h"
#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"

class QTimer;

namespace sylvenor::test {

// A program on its own temporary installation, settings file and fake system.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();

  // Writes a settings value before the program reads it.
  void setSetting(const std::string& section, const std::string& key, const std::string& text);
  std::optional<std::string> setting(const std::string& section, const std::string& key);

  // Clicks the child of `window` that has this object name; fails the test when absent.
  static void click(QWidget& window, const QString& name);
  template <class T>
  static T* child(QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  // Takes the window's timer of that name, set to `intervalle`, from the clock: from now on it
  // ticks only when the test calls `tick`, so that no test waits on real time.
  static QTimer* takeTimer(QWidget& window, const QString& name,
                           std::chrono::milliseconds intervalle);
  static void tick(QTimer& timer);
  // Whether a label shows its whole text: every line and every word within its box, and the
  // box within its window.
  static bool montreEntier(const QLabel& label);
  // The visible labels of a window whose text stands out from what is behind it by less than
  // WCAG AA asks (4.5:1, or 3:1 for large text), as the window is drawn.
  static QStringList textesPeuContrastes(QWidget& fenetre);
  // The lines of a key shown in `cle` that run over the text of a label or over a button.
  static QStringList lignesQuiBarrent(QWidget& cle);
  // Runs `answer` on the next modal window that opens; returns its title and text.
  struct ModalSeen {
    QString title;
    QString text;
  };
  // The answer is given only while this test runs.
  std::shared_ptr<ModalSeen> answerNextModal();
  // The next file dialog that opens gets `file`, as the user picks or types it.
  void answerNextFileDialog(const std::filesystem::path& file);

  Programme& programme() { return *programme_; }
  // The same user's next run of the program: new settings store, new shared state.
  void restartProgram();

  TempDir dossier_;
  FaultyFileAccess fichiers_;
  FakeSession session_;
  FakePrinter imprimante_;
  FakeClock horloge_;
  FakeVolumeQuery volumes_;

 private:
  std::unique_ptr<IniSettingsStore> settings_;
  std::unique_ptr<QObject> answerers_ = std::make_unique<QObject>();
  std::unique_ptr<Programme> programme_;
};

}  // namespace sylvenor::test
