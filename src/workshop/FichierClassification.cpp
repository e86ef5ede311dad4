#include "workshop/FichierClassification.h"

#include <algorithm>

#include "species/Cp1252.h"

namespace sylvenor {
namespace {

constexpr std::string_view kGuilletOuvrant = "\u201C";
constexpr std::string_view kGuilletFermant = "\u201D";

std::string remplacer(std::string_view texte, std::string_view motif, std::string_view par) {
  std::string resultat;
  std::size_t debut = 0;
  for (std::size_t trouve = texte.find(motif); trouve != std::string_view::npos;
       trouve = texte.find(motif, debut)) {
    resultat.append(texte.substr(debut, trouve - debut)).append(par);
    debut = trouve + motif.size();
  }
  return resultat.append(texte.substr(debut));
}

// Straight quotes become opening and closing ones in turn, as a typist would write them.
std::string guillemetsTypographiques(std::string_view texte) {
  std::string resultat;
  bool ouvrant = true;
  for (const char c : texte) {
    if (c != '"') {
      resultat += c;
      continue;
    }
    resultat += ouvrant ? kGuilletOuvrant : kGuilletFermant;
    ouvrant = !ouvrant;
  }
  return resultat;
}

bool estControle(char c) {
  return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
}

std::string champ(std::string_view texte) {
  std::string lisible(texte);
  // Pasted text may bring control characters; the reader takes them for a binary file.
  std::replace_if(lisible.begin(), lisible.end(), estControle, ' ');
  const std::string lignes = remplacer(remplacer(lisible, "\r\n", "\n"), "\n", "\r\n");
  return '"' + Cp1252::encode(guillemetsTypographiques(lignes)) + '"';
}

bool estBinaire(std::string_view octets) {
  return std::any_of(octets.begin(), octets.end(), estControle);
}

// Reads the fields one after the other; a field must begin before the end of the bytes.
class Lecteur {
 public:
  explicit Lecteur(std::string_view octets) : octets_(octets) {}

  std::optional<std::string> champSuivant() {
    if (pos_ >= octets_.size()) return std::nullopt;
    while (pos_ < octets_.size() && octets_[pos_] == ' ') ++pos_;
    std::size_t fin;
    std::string_view valeur;
    if (pos_ < octets_.size() && octets_[pos_] == '"') {
      fin = octets_.find('"', pos_ + 1);
      if (fin == std::string_view::npos) return std::nullopt;
      valeur = octets_.substr(pos_ + 1, fin - pos_ - 1);
      ++fin;
    } else {
      fin = std::min(octets_.find_first_of(",\r\n", pos_), octets_.size());
      valeur = octets_.substr(pos_, fin - pos_);
    }
    passerSeparateur(fin);
    return remplacer(Cp1252::decode(valeur), "\r\n", "\n");
  }

 private:
  void passerSeparateur(std::size_t depuis) {
    const std::size_t separateur = octets_.find_first_of(",\r\n", depuis);
    if (separateur == std::string_view::npos) {
      pos_ = std::string_view::npos;
      return;
    }
    pos_ = separateur + 1;
    if (octets_[separateur] == '\r' && pos_ < octets_.size() && octets_[pos_] == '\n') ++pos_;
  }

  std::string_view octets_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string FichierClassification::ecrire(const ClassificationEleve& cle) {
  std::string ligne;
  for (const std::string& texte : cle.textes) {
    if (!ligne.empty()) ligne += ',';
    ligne += champ(texte);
  }
  return ligne + "\r\n";
}

std::optional<ClassificationEleve> FichierClassification::lire(std::string_view octets) {
  if (octets.empty() || octets.size() > kTailleMax || estBinaire(octets)) return std::nullopt;
  Lecteur lecteur(octets);
  ClassificationEleve cle;
  for (std::string& texte : cle.textes) {
    std::optional<std::string> valeur = lecteur.champSuivant();
    if (!valeur) return std::nullopt;
    texte = std::move(*valeur);
  }
  return cle;
}

}  // namespace sylvenor
