#pragma once

#include "platform/WebBrowser.h"

namespace sylvenor {

class SystemWebBrowser : public WebBrowser {
 public:
  void open(const std::string& url) override;
};

}  // namespace sylvenor
