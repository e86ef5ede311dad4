#pragma once

#include <QString>
#include <vector>

#include "HelpEntry.h"
#include "ImageSaver.h"
#include "species/FicheEspece.h"

namespace sylvenor::draw {

// Draws every picture of the sample installation into a program folder. Both text files are read
// and checked before anything is written, so a faulty input never leaves half a set of pictures.
class PictureJob {
 public:
  PictureJob(QString speciesFile, QString helpFile, const QString& programDir);

  void run() const;

 private:
  std::vector<FicheEspece> readSpecies() const;
  std::vector<HelpEntry> readHelp() const;
  void drawSpecies(const std::vector<FicheEspece>& fiches) const;
  void drawHelp(const std::vector<HelpEntry>& entries) const;
  void drawButtons() const;

  QString speciesFile_;
  QString helpFile_;
  ImageSaver saver_;
};

}  // namespace sylvenor::draw
