#pragma once

#include <cstdint>
#include <filesystem>

#include "platform/FileAccess.h"
#include "species/BaseEspeces.h"
#include "teacher/SaisieFiche.h"

namespace sylvenor {

// Which card the editor shows and whether what is on screen still differs from the table.
// A new card reserves the next slot at once; the slot is given back unless it is saved.
class EditeurFiches {
 public:
  enum class Etat { Repos, Modifie, Nouvelle };

  explicit EditeurFiches(BaseEspeces& base) : base_(base) {}

  Etat etat() const { return etat_; }
  bool enCours() const { return etat_ != Etat::Repos; }
  // 0 when the base has no card to show.
  std::int16_t numero() const { return numero_; }

  // Shows card n, or nothing on an empty base.
  void montrer(std::int16_t n);
  // Something on screen was touched.
  void modifier();
  // False when the base is full.
  bool nouvelle();
  // The edits on screen are dropped; a new card gives its slot back.
  void oublier();
  // The base was read again from the file: nothing is being edited any more, and the card with
  // the same number, or the last one, is shown.
  void relue();
  // Writes the card on screen to its own slot and rewrites the base file. On failure the table
  // is as before and the editor keeps the edits pending.
  FileError enregistrer(const SaisieFiche& saisie, FileAccess& files,
                        const std::filesystem::path& programDir);

 private:
  BaseEspeces& base_;
  Etat etat_ = Etat::Repos;
  std::int16_t numero_ = 0;
};

}  // namespace sylvenor
