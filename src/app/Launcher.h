#pragma once

#include <filesystem>
#include <memory>

#include "app/EnterKeyClicker.h"
#include "app/Programme.h"
#include "app/Splashscreen.h"
#include "app/WindowPlacer.h"
#include "platform/IniSettingsStore.h"
#include "platform/PosixFileAccess.h"
#include "platform/QtPrinter.h"
#include "platform/SystemClock.h"
#include "platform/SystemSession.h"
#include "platform/SystemVolumeQuery.h"
#include "platform/SystemWebBrowser.h"

namespace sylvenor {

// The program's start on a program directory: the system's services, the shared state, then
// the start screen loaded and shown. Needs the QApplication.
class Launcher {
 public:
  explicit Launcher(const std::filesystem::path& programDir);

  Splashscreen& startScreen() { return *start_; }

 private:
  PosixFileAccess files_;
  IniSettingsStore settings_;
  SystemSession session_;
  SystemWebBrowser web_;
  QtPrinter printer_;
  SystemClock clock_;
  SystemVolumeQuery volumes_;
  Programme programme_;
  std::unique_ptr<Splashscreen> start_;
  std::unique_ptr<WindowPlacer> placer_;
  EnterKeyClicker entree_;
};

}  // namespace sylvenor
