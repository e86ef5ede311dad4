#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/FileAccess.h"

namespace sylvenor {

// The photograph and the enlarged photograph that the teacher gives a card. A saved card's
// pictures are written at once, each file replaced whole; a new card's are only kept until the
// card is saved, so that abandoning it leaves no picture behind.
class PhotosFiche {
 public:
  enum class Sorte { Photo = 0, Agrandie = 1 };

  // What is waiting for a new card: JPEG bytes to write, or an empty string to remove the file
  // that an earlier card left at its number.
  using Attente = std::optional<std::string>;

  PhotosFiche(FileAccess& files, std::filesystem::path programDir);

  // The file of this kind for card n.
  std::filesystem::path fichier(std::int16_t n, Sorte sorte) const;

  // Writes the picture now, or keeps it for later when the card is not saved yet.
  FileError poser(std::int16_t n, Sorte sorte, std::string jpeg, bool nouvelle);
  // Removes the picture now (a missing file is no error), or keeps the removal for later.
  FileError retirer(std::int16_t n, Sorte sorte, bool nouvelle);
  const Attente& enAttente(Sorte sorte) const;
  // Writes what waits for card n, now that it is saved; what is written stops waiting.
  FileError ecrireAttente(std::int16_t n);
  void oublierAttente();

 private:
  FileError appliquer(std::int16_t n, Sorte sorte, const std::string& jpeg);

  FileAccess& files_;
  std::filesystem::path programDir_;
  std::array<Attente, 2> attente_;
};

}  // namespace sylvenor
