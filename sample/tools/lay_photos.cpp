// Lays the species pictures of the sample installation: the picture <nom>.jpg of the species
// numbered N in the species table becomes data/N.jpg, <nom>-grand.jpg data/Ngrand.jpg, and
// pas-de-photo.jpg the placeholder data/0.jpg. <nom> is the species' name in lower case, without
// accents, words joined by "-" ("Écureuil roux" gives ecureuil-roux).
//   lay_photos <especes.txt> <dossier des images> <dossier du programme>
// A species without its picture stops the build: a pupil must never meet a species without one.
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "species/ReadableTable.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDernierNumero = 300;

constexpr std::array<std::pair<std::string_view, char>, 30> kAccents = {{
    {"à", 'a'}, {"â", 'a'}, {"ä", 'a'}, {"À", 'a'}, {"Â", 'a'}, {"ç", 'c'}, {"Ç", 'c'}, {"é", 'e'},
    {"è", 'e'}, {"ê", 'e'}, {"ë", 'e'}, {"É", 'e'}, {"È", 'e'}, {"Ê", 'e'}, {"î", 'i'}, {"ï", 'i'},
    {"Î", 'i'}, {"ô", 'o'}, {"ö", 'o'}, {"Ô", 'o'}, {"ù", 'u'}, {"û", 'u'}, {"ü", 'u'}, {"Ù", 'u'},
    {"Û", 'u'}, {"ÿ", 'y'}, {"œ", 'o'}, {"Œ", 'o'}, {"æ", 'a'}, {"Æ", 'a'},
}};

// The letter an accented letter starting at `text` stands for, and its length in bytes.
std::pair<char, std::size_t> lettre(std::string_view text) {
  for (const auto& [accent, plain] : kAccents) {
    if (text.starts_with(accent)) return {plain, accent.size()};
  }
  const unsigned char c = static_cast<unsigned char>(text.front());
  if (c < 0x80 && std::isalnum(c)) return {static_cast<char>(std::tolower(c)), 1};
  return {'-', 1};
}

std::string nomDeFichier(std::string_view nom) {
  std::string slug;
  while (!nom.empty()) {
    const auto [plain, size] = lettre(nom);
    nom.remove_prefix(size);
    if (plain != '-' || (!slug.empty() && slug.back() != '-')) slug += plain;
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug;
}

bool copier(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (error)
    std::cerr << "lay_photos : " << from << " -> " << to << " : " << error.message() << '\n';
  return !error;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::cerr << "usage : lay_photos <especes.txt> <dossier des images> <dossier du programme>\n";
    return 2;
  }
  std::ifstream input(argv[1], std::ios::binary);
  std::stringstream text;
  text << input.rdbuf();
  const sylvenor::ReadableTable table = sylvenor::parseReadableTable(text.str());
  if (!input || !table.erreurs.empty()) {
    std::cerr << "lay_photos : " << argv[1] << " ne peut pas être lu\n";
    return 1;
  }
  const fs::path photos = argv[2];
  const fs::path data = fs::path(argv[3]) / "data";
  fs::create_directories(data);
  bool ok = copier(photos / "pas-de-photo.jpg", data / "0.jpg");
  for (std::size_t k = 0; k < table.fiches.size(); ++k) {
    const std::string nom = nomDeFichier(table.fiches[k].Nom);
    const std::string numero = std::to_string(k + 1);
    if (!fs::exists(photos / (nom + ".jpg"))) {
      std::cerr << "lay_photos : pas d'image " << nom << ".jpg pour l'espèce n°" << numero << '\n';
      ok = false;
      continue;
    }
    ok = copier(photos / (nom + ".jpg"), data / (numero + ".jpg")) && ok;
    const fs::path grande = photos / (nom + "-grand.jpg");
    std::error_code ignored;
    fs::remove(data / (numero + "grand.jpg"), ignored);
    if (fs::exists(grande)) ok = copier(grande, data / (numero + "grand.jpg")) && ok;
  }
  // Pictures of a longer species list laid before would show under cards added later.
  for (std::size_t k = table.fiches.size() + 1; k <= kDernierNumero; ++k) {
    std::error_code ignored;
    fs::remove(data / (std::to_string(k) + ".jpg"), ignored);
    fs::remove(data / (std::to_string(k) + "grand.jpg"), ignored);
  }
  return ok ? 0 : 1;
}
