#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "keys/PartBonnesReponses.h"
#include "platform/Clock.h"
#include "results/ResultatEleve.h"

namespace sylvenor {

class BaseEspeces;
struct OptionsEleve;

// The pupil's exercise: which species are presented, what is answered, how it is judged and
// counted. One exercise runs from a name entry to the next, across any number of key runs. The
// windows call its operations and show what it counts; they never change a counter themselves.
class Exercice {
 public:
  static constexpr int kRangMax = 100;      // species recorded in one exercise
  static constexpr int kSlotsReponse = 20;  // answers recorded for one species
  static constexpr std::size_t kTailleNom = 60;
  static constexpr std::size_t kTailleReponse = 20;

  // What becomes of a validated group.
  struct Jugement {
    bool juste = false;
    bool suivante = false;  // the next species comes; otherwise the pupil searches again
  };
  // Gives the number the pupil typed for the next species.
  using DemandeNumero = std::function<std::int16_t()>;

  explicit Exercice(std::uint32_t graine = std::random_device{}());

  // A new pupil, who enters the name at `debut`: the name, blank-padded or cut to 60
  // characters, and every counter at 0.
  void nouvelEleve(std::string_view nom, const DateHeure& debut = {});

  // A key run begins from the menu with the key `cle` ("animaux"); another key it hands the
  // species over to joins the run.
  void debutParcours(std::string_view cle);
  void cleParcourue(std::string_view cle);
  // The run that ends now as the teacher's results keep it, with its recap as shown.
  ResultatEleve resultat(std::string recap, const DateHeure& fin) const;

  // Whether a key of that kingdom has a species to present under these options.
  static bool especePossible(const BaseEspeces& base, std::int16_t vegetal,
                             const OptionsEleve& options);
  // Presents the next species: drawn at random among the ticked distributions, or the number
  // the pupil gives, asked again until it is a species of the key's kingdom. None, and nothing
  // counted, when the base has none to present (the teacher changed it during the run).
  std::optional<std::int16_t> presenterEspece(const BaseEspeces& base, std::int16_t vegetal,
                                              const OptionsEleve& options,
                                              const DemandeNumero& demanderNumero);
  // The next species of the exercise becomes `espece`: its rank is counted, and recorded when
  // it is within the tables.
  void especeSuivante(std::int16_t espece);

  // The pupil validated a group for the species on screen: it is recorded in the path and
  // counted right or wrong. A wrong group keeps the species on screen while the right one
  // must be found.
  Jugement valider(const BaseEspeces& base, std::string_view groupe, std::int16_t code,
                   bool trouverLaBonne);
  // Judges `code` against the group of species `espece` (a number outside the base is never
  // right) without recording or counting: a single classification from the browser.
  static Jugement juger(const BaseEspeces& base, std::int16_t espece, std::int16_t code,
                        bool trouverLaBonne);
  // A help picture was opened, for the species on screen and in all.
  void aideConsultee();
  // The end of a key run: the species on screen, not classified right, is left out.
  void finDeParcours();

  const std::string& nomEleve() const { return nomEleve_; }  // empty before any name entry
  std::int16_t especeCourante() const { return especeCourante_; }
  int rangEspece() const { return rangEspece_; }
  int rangReponse() const { return rangReponse_; }
  int nbBien() const { return nbBien_; }
  int nbErreurs() const { return nbErreurs_; }
  int nbAideTotal() const { return nbAideTotal_; }
  int nbAideEspece() const { return nbAideEspece_; }
  // The share of right answers; none while nothing was validated.
  std::optional<PartBonnesReponses> part() const;

  // The ranks that the tables hold: 1 to this.
  int rangsEnregistres() const;
  std::int16_t especeVue(int rang) const;
  // The groups validated at a rank, in order, up to the end marker or the 20th slot.
  std::vector<std::string> chemin(int rang) const;

 private:
  void enregistrerReponse(std::string_view groupe);

  std::mt19937 hasard_;
  std::string nomEleve_;
  DateHeure debut_;
  std::vector<std::string> clesParcours_;
  std::int16_t especeCourante_ = 0;
  std::int16_t rangEspece_ = 0;
  std::int16_t rangReponse_ = 1;
  int nbBien_ = 0;
  std::int16_t nbErreurs_ = 0;
  std::int16_t nbAideTotal_ = 0;
  std::int16_t nbAideEspece_ = 0;
  std::array<std::int16_t, kRangMax + 1> especesVues_{};
  // Slot 0 of each rank is never used; the slot after the last answer holds "*".
  std::array<std::array<std::string, kSlotsReponse + 1>, kRangMax + 1> reponses_{};
};

}  // namespace sylvenor
