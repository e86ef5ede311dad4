#include "teacher/InfosDisque.h"

#include <array>

namespace sylvenor {

std::optional<std::string> InfosDisque::typeSupport(int code) {
  static const std::array<std::string, 7> kTypes = {"Indéterminé",
                                                    "chemin non valide",
                                                    "disque non permanent",
                                                    "disque permanent",
                                                    "REMOTE",
                                                    "CD ROM",
                                                    "RAMDISK"};
  if (code < 0 || code >= static_cast<int>(kTypes.size())) return std::nullopt;
  return kTypes.at(static_cast<std::size_t>(code));
}

std::string InfosDisque::taille(std::uint64_t octets) {
  return std::to_string(octets / 1'000'000) + " Mo";
}

}  // namespace sylvenor
