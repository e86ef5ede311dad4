#include "teacher/EditeurFiches.h"

#include "species/ImagesEspece.h"

namespace sylvenor {

void EditeurFiches::montrer(std::int16_t n) {
  numero_ = n >= 1 && n <= base_.NbFiches() ? n : base_.NbFiches();
  etat_ = Etat::Repos;
}

void EditeurFiches::modifier() {
  if (etat_ == Etat::Repos && numero_ >= 1) etat_ = Etat::Modifie;
}

bool EditeurFiches::nouvelle() {
  if (!base_.ajouter(SaisieFiche::vierge().fiche())) return false;
  numero_ = base_.NbFiches();
  etat_ = Etat::Nouvelle;
  return true;
}

void EditeurFiches::oublier() {
  if (etat_ == Etat::Nouvelle) base_.setNbFiches(static_cast<std::int16_t>(base_.NbFiches() - 1));
  etat_ = Etat::Repos;
  if (numero_ > base_.NbFiches()) numero_ = base_.NbFiches();
}

void EditeurFiches::relue() {
  etat_ = Etat::Repos;
  montrer(numero_);
}

FileError EditeurFiches::enregistrer(const SaisieFiche& saisie, FileAccess& files,
                                     const std::filesystem::path& programDir) {
  if (numero_ < 1) return FileError::NonTrouve;
  FicheEspece& slot = base_.fiche(numero_);
  const FicheEspece avant = slot;
  slot = saisie.fiche();
  // No other copy writes between the check that the base is still the one read and the write.
  const auto verrou = files.lockFolder(ImagesEspece::dossierData(programDir));
  const FileError erreur = base_.EnregBase(files, programDir);
  if (erreur != FileError::Aucune) {
    slot = avant;
    return erreur;
  }
  etat_ = Etat::Repos;
  return FileError::Aucune;
}

}  // namespace sylvenor
