#include "keys/Exercice.h"

#include <algorithm>
#include <limits>

#include "keys/TirageEspece.h"
#include "species/BaseEspeces.h"
#include "species/Blancs.h"
#include "species/Cp1252.h"
#include "teacher/OptionsEleve.h"

namespace sylvenor {
namespace {

// Pads or cuts to a width in characters as the files count them (Windows-1252 bytes).
std::string fixedWidth(std::string_view text, std::size_t width) {
  return Cp1252::decode(Cp1252::encodeField(text, width));
}

bool recorded(int rang) { return rang >= 1 && rang <= Exercice::kRangMax; }

// A whole day of answers cannot wrap a counter round to a negative number.
template <typename Counter>
void compter(Counter& counter) {
  if (counter < std::numeric_limits<Counter>::max()) ++counter;
}

}  // namespace

Exercice::Exercice(std::uint32_t graine) : hasard_(graine) {}

void Exercice::nouvelEleve(std::string_view nom, const DateHeure& debut) {
  nomEleve_ = fixedWidth(nom, kTailleNom);
  debut_ = debut;
  nbAideTotal_ = 0;
  rangEspece_ = 0;
  nbBien_ = 0;
  nbErreurs_ = 0;
}

void Exercice::debutParcours(std::string_view cle) {
  clesParcours_.clear();
  cleParcourue(cle);
}

void Exercice::cleParcourue(std::string_view cle) {
  if (std::find(clesParcours_.begin(), clesParcours_.end(), cle) == clesParcours_.end()) {
    clesParcours_.emplace_back(cle);
  }
}

ResultatEleve Exercice::resultat(std::string recap, const DateHeure& fin) const {
  ResultatEleve r;
  r.eleve = Blancs::autour(nomEleve_);
  r.moment = fin;
  r.debutExercice = debut_;
  for (const std::string& cle : clesParcours_) r.cles += (r.cles.empty() ? "" : ", ") + cle;
  r.especes = rangEspece_;
  r.bien = nbBien_;
  r.erreurs = nbErreurs_;
  r.aide = nbAideTotal_;
  r.recap = std::move(recap);
  return r;
}

bool Exercice::especePossible(const BaseEspeces& base, std::int16_t vegetal,
                              const OptionsEleve& options) {
  if (!options.choix) return TirageEspece::contientGenre(base, vegetal);
  return !TirageEspece::candidats(base, vegetal, options.utiliser).empty();
}

std::optional<std::int16_t> Exercice::presenterEspece(const BaseEspeces& base, std::int16_t vegetal,
                                                      const OptionsEleve& options,
                                                      const DemandeNumero& demanderNumero) {
  std::optional<std::int16_t> espece;
  if (options.choix) {
    espece = TirageEspece::AuHasard(base, vegetal, options.utiliser, hasard_);
  } else if (TirageEspece::contientGenre(base, vegetal)) {
    for (;;) {
      const std::int16_t numero = demanderNumero();
      if (numero >= 1 && numero <= base.NbFiches() && base.fiche(numero).Vegetal == vegetal) {
        espece = numero;
        break;
      }
    }
  }
  if (espece) especeSuivante(*espece);
  return espece;
}

void Exercice::especeSuivante(std::int16_t espece) {
  especeCourante_ = espece;
  nbAideEspece_ = 0;
  rangReponse_ = 1;
  compter(rangEspece_);
  if (recorded(rangEspece_)) {
    especesVues_[static_cast<std::size_t>(rangEspece_)] = espece;
    reponses_[static_cast<std::size_t>(rangEspece_)][1] = "*";
  }
}

Exercice::Jugement Exercice::valider(const BaseEspeces& base, std::string_view groupe,
                                     std::int16_t code, bool trouverLaBonne) {
  enregistrerReponse(groupe);
  const Jugement jugement = juger(base, especeCourante_, code, trouverLaBonne);
  if (jugement.juste) {
    compter(nbBien_);
  } else {
    compter(nbErreurs_);
  }
  return jugement;
}

Exercice::Jugement Exercice::juger(const BaseEspeces& base, std::int16_t espece, std::int16_t code,
                                   bool trouverLaBonne) {
  const bool bon = espece >= 1 && espece <= base.NbFiches() && base.fiche(espece).Groupe == code;
  return {bon, bon || !trouverLaBonne};
}

void Exercice::aideConsultee() {
  compter(nbAideEspece_);
  compter(nbAideTotal_);
}

void Exercice::enregistrerReponse(std::string_view groupe) {
  if (recorded(rangEspece_)) {
    auto& slots = reponses_[static_cast<std::size_t>(rangEspece_)];
    slots[static_cast<std::size_t>(rangReponse_)] = fixedWidth(groupe, kTailleReponse);
    // Once the 20 slots are full the last one keeps being replaced, and no marker follows.
    if (rangReponse_ < kSlotsReponse) slots[static_cast<std::size_t>(rangReponse_) + 1] = "*";
  }
  rangReponse_ = static_cast<std::int16_t>(std::min(rangReponse_ + 1, kSlotsReponse));
}

void Exercice::finDeParcours() {
  if (rangEspece_ > 0) --rangEspece_;
}

std::optional<PartBonnesReponses> Exercice::part() const {
  return PartBonnesReponses::calculer(nbBien_, nbErreurs_);
}

int Exercice::rangsEnregistres() const { return std::clamp<int>(rangEspece_, 0, kRangMax); }

std::int16_t Exercice::especeVue(int rang) const {
  return recorded(rang) ? especesVues_[static_cast<std::size_t>(rang)] : 0;
}

std::vector<std::string> Exercice::chemin(int rang) const {
  std::vector<std::string> groups;
  if (!recorded(rang)) return groups;
  const auto& slots = reponses_[static_cast<std::size_t>(rang)];
  for (int slot = 1; slot <= kSlotsReponse; ++slot) {
    const std::string& entry = slots[static_cast<std::size_t>(slot)];
    if (entry.empty() || entry.front() == '*') break;
    groups.push_back(entry);
  }
  return groups;
}

}  // namespace sylvenor
