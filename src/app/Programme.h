#pragma once

#include <filesystem>

#include "app/Reglages.h"
#include "keys/Exercice.h"
#include "platform/Clock.h"
#include "platform/FileAccess.h"
#include "platform/Printer.h"
#include "platform/SessionControl.h"
#include "platform/SettingsStore.h"
#include "platform/VolumeQuery.h"
#include "platform/WebBrowser.h"
#include "species/BaseEspeces.h"
#include "teacher/OptionsEleve.h"

namespace sylvenor {

// What the whole program shares: the species table, the pupil's exercise, the pupil options
// and the services of the system, which tests replace.
class Programme {
 public:
  struct Services {
    FileAccess& fichiers;
    SettingsStore& reglages;
    SessionControl& session;
    WebBrowser& web;
    Printer& imprimante;
    Clock& horloge;
    VolumeQuery& volumes;
  };

  Programme(std::filesystem::path dossier, Services services);

  const std::filesystem::path& dossier() const { return dossier_; }
  BaseEspeces& base() { return base_; }
  // Reads the species base from its file again.
  void relireBase() { base_.ChargerBase(services_.fichiers, dossier_); }
  // Reads it again when another copy of the program changed the file since; true then.
  bool rafraichirBase();
  Reglages& reglages() { return reglages_; }
  FileAccess& fichiers() { return services_.fichiers; }
  SessionControl& session() { return services_.session; }
  WebBrowser& web() { return services_.web; }
  Printer& imprimante() { return services_.imprimante; }
  Clock& horloge() { return services_.horloge; }
  VolumeQuery& volumes() { return services_.volumes; }
  Exercice& exercice() { return exercice_; }
  // Read from the settings at start; the teacher screen changes them, and the activities read
  // them when they need them, so a change is in force at once.
  OptionsEleve& options() { return options_; }

 private:
  std::filesystem::path dossier_;
  Services services_;
  Reglages reglages_;
  BaseEspeces base_;
  Exercice exercice_;
  OptionsEleve options_;
};

}  // namespace sylvenor
