#pragma once

#include "platform/SessionControl.h"

namespace sylvenor {

// Asks systemd-logind, through systemctl, to power off or reboot the machine.
class SystemSession : public SessionControl {
 public:
  void quitProgram() override;
  void powerOff() override;
  void reboot() override;
};

}  // namespace sylvenor
