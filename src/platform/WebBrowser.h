#pragma once

#include <string>

namespace sylvenor {

// Opens a web page in the user's browser; a failure changes nothing.
class WebBrowser {
 public:
  virtual ~WebBrowser() = default;
  virtual void open(const std::string& url) = 0;
};

}  // namespace sylvenor
