#pragma once

namespace sylvenor {

// Ending the program and asking the system to power off or restart. Tests replace it: no test
// may ever reach the real one.
class SessionControl {
 public:
  virtual ~SessionControl() = default;
  virtual void quitProgram() = 0;
  // Both only ask; a refusal is silent and the program goes on until the system closes it.
  virtual void powerOff() = 0;
  virtual void reboot() = 0;
};

}  // namespace sylvenor
