#include "crash/CrashScenario.h"

#include <algorithm>

#include "platform/PosixFileAccess.h"
#include "species/BaseEspeces.h"
#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "support/SpeciesInstallation.h"
#include "support/TempDir.h"
#include "teacher/PaquetFiches.h"
#include "teacher/SuppressionEspeces.h"
#include "teacher/TransfertFiches.h"
#include "workshop/ClassificationsEnregistrees.h"

namespace sylvenor::test {
namespace {

namespace fs = std::filesystem;

constexpr int kEspeces = 20;

fs::path paquet(const fs::path& root) { return root / "paquet"; }

// The package: 8 cards named "Importée n", made by the program's own export.
void installPackage(const fs::path& root, FileAccess& files) {
  const fs::path source = root / "source";
  std::string bytes;
  BaseEspeces base;
  for (int n = 1; n <= 8; ++n) {
    FicheEspece fiche;
    fiche.Nom = "Importée " + std::to_string(n);
    fiche.Info.fill("!");
    base.ajouter(fiche);
    TempDir::writeFile(ImagesEspece::photo(source, n), "photo " + fiche.Nom);
    if (n % 3 == 0)
      TempDir::writeFile(ImagesEspece::photoAgrandie(source, n), "grande " + fiche.Nom);
  }
  TempDir::writeFile(ImagesEspece::photo(source, 0), "sans photo");
  fs::create_directories(paquet(root));
  std::vector<int> all(8);
  for (int n = 1; n <= 8; ++n) all[static_cast<std::size_t>(n - 1)] = n;
  TransfertFiches(files, source).exporter(base, all, paquet(root), {});
  fs::remove_all(source);
}

BaseEspeces loaded(FileAccess& files, const fs::path& root) {
  BaseEspeces base;
  base.ChargerBase(files, CrashScenario::programme(root));
  return base;
}

}  // namespace

fs::path CrashScenario::programme(const fs::path& root) { return root / "programme"; }

void CrashScenario::install(const fs::path& root) {
  SpeciesInstallation::write(programme(root), kEspeces);
  TempDir::writeFile(ImagesEspece::photo(programme(root), 0), "sans photo");
  fs::create_directories(programme(root) / "sauvegardes");
  PosixFileAccess files;
  installPackage(root, files);
}

const char* CrashScenario::name(Operation operation) {
  switch (operation) {
    case Operation::RewriteBase:
      return "réécriture de la base";
    case Operation::SaveKey:
      return "enregistrement d'une clé";
    case Operation::RemoveSpecies:
      return "suppression d'espèces";
    case Operation::ImportPackage:
      return "importation de fiches";
  }
  return "";
}

FileError CrashScenario::run(Operation operation, const fs::path& root, FileAccess& files) {
  const fs::path dir = programme(root);
  BaseEspeces base = loaded(files, root);
  switch (operation) {
    case Operation::RewriteBase:
      base.fiche(5).Nom = "Espèce changée";
      return base.EnregBase(files, dir);
    case Operation::SaveKey: {
      ClassificationEleve cle = ClassificationEleve::ouverture();
      cle.textes[ClassificationEleve::Reponse1] = "A des écailles";
      return ClassificationsEnregistrees(files, dir)
          .enregistrer(cle, "Léa", {2026, 12, 7, 10, 30, 0});
    }
    case Operation::RemoveSpecies: {
      SuppressionEspeces suppression(base, files, dir);
      const FileError checked = suppression.verifier();
      return checked != FileError::Aucune ? checked : suppression.supprimer({3, 7, 12}, false);
    }
    case Operation::ImportPackage: {
      const PaquetFiches::Lecture lecture = PaquetFiches::lire(files, paquet(root));
      return TransfertFiches(files, dir).importer(base, paquet(root), lecture.cartes, {}).erreur;
    }
  }
  return FileError::Autre;
}

CrashScenario::View CrashScenario::view(const fs::path& root) {
  const fs::path dir = programme(root);
  View view;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_directory()) continue;
    const fs::path chemin = fs::relative(entry.path(), dir);
    // The lock file is the program's own, present or not.
    if (chemin.filename() == PosixFileAccess::kVerrou) continue;
    const bool cache = std::ranges::any_of(
        chemin, [](const fs::path& partie) { return partie.string().front() == '.'; });
    view[chemin.string()] = cache ? "(caché)" : TempDir::readFile(entry.path());
  }
  return view;
}

CrashScenario::View CrashScenario::everything(const fs::path& root) {
  View files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().filename() != PosixFileAccess::kVerrou) {
      files[fs::relative(entry.path(), root)] = TempDir::readFile(entry.path());
    }
  }
  return files;
}

}  // namespace sylvenor::test
