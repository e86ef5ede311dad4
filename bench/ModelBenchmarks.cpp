// The model's heavy paths beside their floors, measured in the same run:
//   build/bench/model_benchmarks
// Each pair reads as a ratio: ChargerBase against reading the same bytes, EnregBase against one
// plain write + fsync + rename of the same bytes, a package transfer against copying its files.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "keys/Exercice.h"
#include "keys/RecapText.h"
#include "platform/PosixFileAccess.h"
#include "species/BaseEspeces.h"
#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "teacher/PaquetFiches.h"
#include "teacher/TransfertFiches.h"

namespace {

namespace fs = std::filesystem;
using namespace sylvenor;

constexpr int kPleine = BaseEspeces::kCapacite;
const std::string kPhoto(30 * 1024, 'p');  // a small photograph of the sample's size

// A program directory with a full base and its pictures, made once for the whole run.
class Installation {
 public:
  Installation() {
    char pattern[] = "/tmp/sylvenor-bench-XXXXXX";
    dossier_ = ::mkdtemp(pattern);
    fs::create_directories(dossier_ / "data");
    BaseEspeces base;
    for (int n = 1; n <= kPleine; ++n) {
      FicheEspece fiche;
      fiche.Nom = "Espèce " + std::to_string(n);
      fiche.Info.fill("une ligne d'information");
      base.ajouter(fiche);
      ecrire(ImagesEspece::photo(dossier_, n), kPhoto);
    }
    ecrire(ImagesEspece::photo(dossier_, 0), kPhoto);
    base.EnregBase(fichiers_, dossier_);
  }
  ~Installation() { fs::remove_all(dossier_); }

  static void ecrire(const fs::path& fichier, const std::string& octets) {
    std::ofstream(fichier, std::ios::binary) << octets;
  }
  const fs::path& dossier() const { return dossier_; }
  PosixFileAccess& fichiers() { return fichiers_; }

 private:
  fs::path dossier_;
  PosixFileAccess fichiers_;
};

Installation& installation() {
  static Installation une;
  return une;
}

void BM_ChargerBasePleine(benchmark::State& state) {
  for (auto _ : state) {
    BaseEspeces base;
    base.ChargerBase(installation().fichiers(), installation().dossier());
    benchmark::DoNotOptimize(base.NbFiches());
  }
}
BENCHMARK(BM_ChargerBasePleine);

void BM_PlancherLectureBase(benchmark::State& state) {
  const fs::path fichier = BaseEspeces::cheminBase(installation().dossier());
  for (auto _ : state) {
    benchmark::DoNotOptimize(installation().fichiers().read(fichier, SIZE_MAX).octets.size());
  }
}
BENCHMARK(BM_PlancherLectureBase);

void BM_EnregBasePleine(benchmark::State& state) {
  BaseEspeces base;
  base.ChargerBase(installation().fichiers(), installation().dossier());
  for (auto _ : state) base.EnregBase(installation().fichiers(), installation().dossier());
}
BENCHMARK(BM_EnregBasePleine)->UseRealTime();

void BM_PlancherEcritureBase(benchmark::State& state) {
  const std::string octets(static_cast<std::size_t>(kPleine) * RecordCodec::kTailleFiche, 'x');
  const fs::path fichier = installation().dossier() / "plancher.dat";
  const std::string temporaire = fichier.string() + ".tmp";
  for (auto _ : state) {
    const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, octets.data(), octets.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(temporaire.c_str(), fichier.c_str());
  }
}
BENCHMARK(BM_PlancherEcritureBase)->UseRealTime();

void BM_ExportPlein(benchmark::State& state) {
  BaseEspeces base;
  base.ChargerBase(installation().fichiers(), installation().dossier());
  std::vector<int> toutes;
  for (int n = 1; n <= kPleine; ++n) toutes.push_back(n);
  const fs::path paquet = installation().dossier() / "paquet";
  fs::create_directories(paquet);
  for (auto _ : state) {
    TransfertFiches(installation().fichiers(), installation().dossier())
        .exporter(base, toutes, paquet, {});
  }
}
BENCHMARK(BM_ExportPlein)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ImportPlein(benchmark::State& state) {
  const fs::path paquet = installation().dossier() / "paquet";
  fs::create_directories(paquet);
  BaseEspeces base;
  base.ChargerBase(installation().fichiers(), installation().dossier());
  std::vector<int> toutes;
  for (int n = 1; n <= kPleine; ++n) toutes.push_back(n);
  TransfertFiches(installation().fichiers(), installation().dossier())
      .exporter(base, toutes, paquet, {});
  const PaquetFiches::Lecture lecture = PaquetFiches::lire(installation().fichiers(), paquet);
  for (auto _ : state) {
    BaseEspeces vide;
    TransfertFiches(installation().fichiers(), installation().dossier())
        .importer(vide, paquet, lecture.cartes, {});
  }
}
BENCHMARK(BM_ImportPlein)->UseRealTime()->Unit(benchmark::kMillisecond);

// The package's files copied by the system, optionally brought onto the disk with one sync.
void copierPaquet(benchmark::State& state, bool surDisque) {
  const fs::path copie = installation().dossier() / "copie";
  fs::create_directories(copie);
  for (auto _ : state) {
    for (int n = 1; n <= kPleine; ++n) {
      fs::copy_file(ImagesEspece::photo(installation().dossier(), n),
                    copie / (std::to_string(n) + ".jpg"), fs::copy_options::overwrite_existing);
    }
    fs::copy_file(BaseEspeces::cheminBase(installation().dossier()), copie / "Sylvenor.base",
                  fs::copy_options::overwrite_existing);
    if (!surDisque) continue;
    const int dossier = ::open(copie.c_str(), O_RDONLY | O_DIRECTORY);
    ::syncfs(dossier);
    ::close(dossier);
  }
}

void BM_PlancherCopieImages(benchmark::State& state) { copierPaquet(state, false); }
BENCHMARK(BM_PlancherCopieImages)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same copy brought onto the disk, as a transfer must before the base or package names it.
void BM_PlancherCopieImagesSurDisque(benchmark::State& state) { copierPaquet(state, true); }
BENCHMARK(BM_PlancherCopieImagesSurDisque)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_RecapCentEspeces(benchmark::State& state) {
  BaseEspeces base;
  base.ChargerBase(installation().fichiers(), installation().dossier());
  Exercice exercice;
  exercice.nouvelEleve("Camille");
  for (int n = 1; n <= Exercice::kRangMax; ++n) {
    exercice.especeSuivante(static_cast<std::int16_t>(n));
    exercice.valider(base, "Oiseau", 1, true);
    exercice.valider(base, "Mammifère", 0, true);
  }
  for (auto _ : state) benchmark::DoNotOptimize(RecapText::composerRecap(exercice, base));
}
BENCHMARK(BM_RecapCentEspeces);

}  // namespace

BENCHMARK_MAIN();
