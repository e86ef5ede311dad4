#include "browse/ListeNavigateur.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "species/Blancs.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

// The base letters of U+00C0 to U+00DF; the small letters U+00E0 to U+00FF follow the same
// order. The signs × and ÷ are no letters and stay as they are.
constexpr std::array<const char*, 32> kLettresLatin1 = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss"};

bool suite(unsigned char c) { return (c & 0xC0) == 0x80; }

// The base letters of an accented letter that Windows-1252 can store, by its code point.
std::optional<std::string_view> lettreDeBase(char32_t point) {
  if (point == 0xD7 || point == 0xF7) return std::nullopt;
  if (point == 0xFF) return "y";
  if (point >= 0xC0 && point <= 0xFF) return kLettresLatin1[(point - 0xC0) % 32];
  switch (point) {
    case 0x152:
    case 0x153:
      return "oe";
    case 0x160:
    case 0x161:
      return "s";
    case 0x178:
      return "y";
    case 0x17D:
    case 0x17E:
      return "z";
    default:
      return std::nullopt;
  }
}

}  // namespace

std::vector<EspeceListee> ListeNavigateur::construire(const BaseEspeces& base, int type) {
  std::vector<std::tuple<std::string, std::int16_t, std::string>> triees;
  for (std::int16_t k = 1; k <= base.NbFiches(); ++k) {
    const FicheEspece& fiche = base.fiche(k);
    if (retenue(fiche, type)) triees.emplace_back(cleTri(fiche.Nom), k, fiche.Nom);
  }
  std::sort(triees.begin(), triees.end());
  std::vector<EspeceListee> liste;
  liste.reserve(triees.size());
  for (auto& [cle, numero, nom] : triees) liste.push_back({std::move(nom), numero});
  return liste;
}

bool ListeNavigateur::retenue(const FicheEspece& fiche, int type) {
  switch (type) {
    case kAnimaux:
      return fiche.Vegetal == kAnimal;
    case kVegetaux:
      return fiche.Vegetal == kVegetal;
    default:
      return true;
  }
}

std::string ListeNavigateur::cleTri(std::string_view nom) {
  const std::string_view texte = Blancs::aDroite(nom);
  std::string cle;
  cle.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const auto c = static_cast<unsigned char>(texte[i]);
    if (c < 0x80) {
      cle += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      continue;
    }
    // Every letter folded here is written with two bytes.
    if ((c & 0xE0) == 0xC0 && i + 1 < texte.size() &&
        suite(static_cast<unsigned char>(texte[i + 1]))) {
      const char32_t point =
          ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(texte[i + 1]) & 0x3Fu);
      if (const auto lettre = lettreDeBase(point)) {
        cle += *lettre;
        ++i;
        continue;
      }
    }
    cle += static_cast<char>(c);
  }
  return cle;
}

}  // namespace sylvenor
