#pragma once

#include <string>
#include <vector>

#include "platform/SessionControl.h"
#include "platform/WebBrowser.h"

namespace sylvenor::test {

// Records what the program asked of the system instead of doing it.
class FakeSession : public SessionControl, public WebBrowser {
 public:
  void quitProgram() override;
  void powerOff() override;
  void reboot() override;
  void open(const std::string& url) override;

  std::vector<std::string> demandes;
};

}  // namespace sylvenor::test
