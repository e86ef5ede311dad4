#pragma once

#include <filesystem>

#include "app/Reglages.h"
#include "platform/FileAccess.h"
#include "platform/SessionControl.h"
#include "platform/SettingsStore.h"
#include "platform/WebBrowser.h"
#include "species/BaseEspeces.h"

namespace sylvenor {

// What the whole program shares: the species table and the services of the system, which
// tests replace.
class Programme {
 public:
  struct Services {
    FileAccess& fichiers;
    SettingsStore& reglages;
    SessionControl& session;
    WebBrowser& web;
  };

  Programme(std::filesystem::path dossier, Services services);

  const std::filesystem::path& dossier() const { return dossier_; }
  BaseEspeces& base() { return base_; }
  Reglages& reglages() { return reglages_; }
  FileAccess& fichiers() { return services_.fichiers; }
  SessionControl& session() { return services_.session; }
  WebBrowser& web() { return services_.web; }

 private:
  std::filesystem::path dossier_;
  Services services_;
  Reglages reglages_;
  BaseEspeces base_;
};

}  // namespace sylvenor
