// One click in the animal key, on a copy of the sample installation (offscreen platform):
//   build/bench/key_click_benchmarks
// An answer: the click handled and the window painted again. A leaf validated: from the click
// until the feedback window is shown, its time on screen left out.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>

#include "app/FrmTemp.h"
#include "app/Programme.h"
#include "keys/FrmCle.h"
#include "keys/FrmDemanderNumEsp.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "support/FakeClock.h"
#include "support/FakePrinter.h"
#include "support/FakeSession.h"
#include "support/FakeVolumeQuery.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

namespace {

using namespace sylvenor;
using Clock = std::chrono::steady_clock;

// Notes the moment the feedback window shows.
class FeedbackShown : public QObject {
 public:
  std::optional<Clock::time_point> when;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !when && watched->objectName() == "FrmOuiNon") {
      when = Clock::now();
    }
    return QObject::eventFilter(watched, event);
  }
};

// A copy of the sample installation, made before the windows that read it.
class SampleCopy : public test::TempDir {
 public:
  SampleCopy() {
    std::filesystem::copy(SYLVENOR_SAMPLE_DIR, path(), std::filesystem::copy_options::recursive);
  }
};

// The program on its own copy of the sample, with the animal key open on its first species.
class KeyOnSample {
 public:
  KeyOnSample() {
    programme_.base().ChargerBase(files_, dir_.path());
    restart();
  }
  ~KeyOnSample() { delete cle_; }

  // A new exercise, before the last one's hundred species run out.
  void restart() {
    delete cle_;
    programme_.exercice().nouvelEleve("Camille");
    cle_ = new FrmCle(programme_, ProfilCle::animaux(), {images_, numero_, accueil_, [] {}});
    cle_->show();
    cle_->demarrer();
    QApplication::processEvents();
  }
  void click(const char* name) {
    auto* button = cle_->findChild<QAbstractButton*>(name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  }
  FrmCle& cle() { return *cle_; }

 private:
  SampleCopy dir_;
  PosixFileAccess files_;
  IniSettingsStore settings_{QString::fromStdString((dir_ / "brambel-Sylvenor.ini").string())};
  test::FakeSession session_;
  test::FakePrinter printer_;
  test::FakeClock clock_;
  test::FakeVolumeQuery volumes_;
  Programme programme_{dir_.path(),
                       {files_, settings_, session_, session_, printer_, clock_, volumes_}};
  FrmTemp images_{dir_.path()};
  FrmDemanderNumEsp numero_{programme_.base()};
  QWidget accueil_;
  QPointer<FrmCle> cle_;
};

double seconds(Clock::duration took) { return std::chrono::duration<double>(took).count(); }

void BM_ClicReponse(benchmark::State& state) {
  KeyOnSample key;
  bool first = true;
  for (auto _ : state) {
    const auto start = Clock::now();
    key.click(first ? "Btn01" : "Btn02");
    key.cle().repaint();
    state.SetIterationTime(seconds(Clock::now() - start));
    first = !first;
  }
}
BENCHMARK(BM_ClicReponse)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ClicValidation(benchmark::State& state) {
  KeyOnSample key;
  test::ModalDriver modals;
  FeedbackShown shown;
  qApp->installEventFilter(&shown);
  int validations = 0;
  int feedbacks = 0;
  for (auto _ : state) {
    if (++validations % 50 == 0) key.restart();
    key.click("Btn01");
    key.click("Btn011");
    shown.when.reset();
    const auto start = Clock::now();
    key.click("BtnOK011");
    state.SetIterationTime(seconds(shown.when.value_or(Clock::now()) - start));
    feedbacks += shown.when.has_value();
  }
  // 1 when every validation showed its feedback.
  state.counters["retours"] = static_cast<double>(feedbacks) / static_cast<double>(validations);
  qApp->removeEventFilter(&shown);
}
BENCHMARK(BM_ClicValidation)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
