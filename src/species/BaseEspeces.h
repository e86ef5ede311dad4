#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/FileAccess.h"
#include "species/FicheEspece.h"

namespace sylvenor {

// The species table: slot k holds card k of the base file, from 1; slot 0 is never used.
class BaseEspeces {
 public:
  static constexpr int kNbEmplacements = 301;
  static constexpr int kCapacite = 299;

  // The base file under a program directory.
  static std::filesystem::path cheminBase(const std::filesystem::path& programDir);
  static std::filesystem::path cheminSauvegarde(const std::filesystem::path& programDir);

  std::int16_t NbFiches() const { return nbFiches_; }
  // k from 1 to kCapacite.
  const FicheEspece& fiche(int k) const { return fiches_.at(static_cast<std::size_t>(k)); }
  FicheEspece& fiche(int k) { return fiches_.at(static_cast<std::size_t>(k)); }
  // Appends a card; false when the base is full.
  bool ajouter(const FicheEspece& fiche);
  void setNbFiches(std::int16_t count);

  // Loads at most kCapacite cards; a missing or unreadable file gives an empty base, and an
  // unreadable one is then never rewritten.
  void ChargerBase(FileAccess& files, const std::filesystem::path& programDir);
  // Rewrites the file whole from slots 1 to NbFiches, atomically. When the file had more cards
  // than the table holds, the former file is first kept beside it. A file that another copy of
  // the program changed since this table was read is never written over: ChangeeAilleurs. Call
  // it with the data folder locked, so that no other copy writes between the check and the write.
  FileError EnregBase(FileAccess& files, const std::filesystem::path& programDir);
  // Whether the file still holds what this table read or last wrote.
  bool inchangee(FileAccess& files, const std::filesystem::path& programDir) const;

  // True until the first rewrite when the loaded file held cards beyond the capacity.
  bool surplusNonSauvegarde() const { return surplus_; }

 private:
  static FileRead lire(FileAccess& files, const std::filesystem::path& programDir);

  std::array<FicheEspece, kNbEmplacements> fiches_{};
  std::int16_t nbFiches_ = 0;
  bool surplus_ = false;
  FileError erreurLecture_ = FileError::Aucune;
  std::string lu_;  // the file's bytes as read or last written
};

}  // namespace sylvenor
