#include "teacher/SuppressionEspeces.h"

#include <gtest/gtest.h>

#include <map>

#include "species/ImagesEspece.h"
#include "species/RecordCodec.h"
#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::FaultyFileAccess;
using test::TempDir;
using Operation = FaultyFileAccess::Operation;

std::string nameOf(int n) { return "Espèce " + std::to_string(n); }

// Every file of the data folder and beneath it, with its content.
std::map<std::string, std::string> snapshot(const std::filesystem::path& data) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    // The lock file is the program's, not data.
    if (entry.is_regular_file() && entry.path().filename() != PosixFileAccess::kVerrou) {
      files[std::filesystem::relative(entry.path(), data).string()] =
          TempDir::readFile(entry.path());
    }
  }
  return files;
}

class SuppressionEspecesTest : public ::testing::Test {
 protected:
  // Ten species; the odd ones have an enlarged photograph. Every picture names its species.
  SuppressionEspecesTest() {
    for (int n = 1; n <= 10; ++n) {
      FicheEspece fiche;
      fiche.Nom = nameOf(n);
      base_.ajouter(fiche);
      TempDir::writeFile(ImagesEspece::photo(dir_.path(), n), "photo " + nameOf(n));
      if (n % 2 == 1) {
        TempDir::writeFile(ImagesEspece::photoAgrandie(dir_.path(), n), "grande " + nameOf(n));
      }
    }
    TempDir::writeFile(ImagesEspece::photo(dir_.path(), 0), "placeholder");
    EXPECT_EQ(base_.EnregBase(files_, dir_.path()), FileError::Aucune);
  }

  FileError remove(const std::vector<std::int16_t>& numbers, bool deletePictures = true) {
    SuppressionEspeces suppression(base_, files_, dir_.path());
    const FileError checked = suppression.verifier();
    if (checked != FileError::Aucune) return checked;
    return suppression.supprimer(numbers, deletePictures, [this](int n) { steps_.push_back(n); });
  }
  std::filesystem::path data() const { return ImagesEspece::dossierData(dir_.path()); }
  std::string file() const { return TempDir::readFile(BaseEspeces::cheminBase(dir_.path())); }
  std::string nameInFile(int n) const {
    const std::string bytes = file();
    const auto record = RecordCodec::decode(std::string_view(bytes).substr(
        static_cast<std::size_t>(n - 1) * RecordCodec::kTailleFiche, RecordCodec::kTailleFiche));
    return record.Nom.substr(0, record.Nom.find_last_not_of(' ') + 1);
  }
  // The species now numbered n, told by the base file and by each of its pictures.
  void expectSpecies(int n, int formerNumber) {
    SCOPED_TRACE(n);
    EXPECT_EQ(nameInFile(n), nameOf(formerNumber));
    EXPECT_EQ(TempDir::readFile(ImagesEspece::photo(dir_.path(), n)),
              "photo " + nameOf(formerNumber));
    const auto enlarged = ImagesEspece::photoAgrandie(dir_.path(), n);
    if (formerNumber % 2 == 1) {
      EXPECT_EQ(TempDir::readFile(enlarged), "grande " + nameOf(formerNumber));
    } else {
      EXPECT_FALSE(std::filesystem::exists(enlarged));
    }
  }

  TempDir dir_;
  FaultyFileAccess files_;
  BaseEspeces base_;
  std::vector<int> steps_;
};

TEST_F(SuppressionEspecesTest, TheOthersAreRenumberedAndTheirPicturesFollowThem) {
  ASSERT_EQ(remove({3, 7}), FileError::Aucune);
  EXPECT_EQ(base_.NbFiches(), 8);
  EXPECT_EQ(file().size(), 8 * RecordCodec::kTailleFiche);
  const int former[] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
  for (int n = 1; n <= 8; ++n) {
    expectSpecies(n, former[n]);
    EXPECT_EQ(base_.fiche(n).Nom.substr(0, nameOf(former[n]).size()), nameOf(former[n]));
  }
  const auto left = snapshot(data());
  EXPECT_EQ(left.size(), 1 + 8 + 3 + 1u);  // base, photographs, enlarged 1, 5, 9, placeholder
  EXPECT_FALSE(left.contains("9.jpg"));
  EXPECT_FALSE(left.contains("9grand.jpg"));
  EXPECT_FALSE(left.contains("10.jpg"));
  EXPECT_EQ(steps_, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(SuppressionEspecesTest, KeptPicturesOfRemovedSpeciesGoAsideAndTheOthersStillFollow) {
  ASSERT_EQ(remove({3, 4}, false), FileError::Aucune);
  for (int n = 1; n <= 8; ++n) expectSpecies(n, n < 3 ? n : n + 2);
  const auto retirees = data() / SuppressionEspeces::kDossierRetirees;
  EXPECT_EQ(TempDir::readFile(retirees / "3-Espèce 3.jpg"), "photo Espèce 3");
  EXPECT_EQ(TempDir::readFile(retirees / "3-Espèce 3 grand.jpg"), "grande Espèce 3");
  EXPECT_EQ(TempDir::readFile(retirees / "4-Espèce 4.jpg"), "photo Espèce 4");
  EXPECT_FALSE(std::filesystem::exists(ImagesEspece::photo(dir_.path(), 9)));
}

TEST_F(SuppressionEspecesTest, RemovingTheLastMovesNoOtherPicture) {
  ASSERT_EQ(remove({10}), FileError::Aucune);
  EXPECT_EQ(file().size(), 9 * RecordCodec::kTailleFiche);
  for (int n = 1; n <= 9; ++n) expectSpecies(n, n);
  EXPECT_FALSE(std::filesystem::exists(ImagesEspece::photo(dir_.path(), 10)));
  // Its photograph is simply deleted: no other picture changes number.
  EXPECT_EQ(files_.calls(Operation::Rename), 0);
  EXPECT_EQ(files_.calls(Operation::Link), 0);
}

TEST_F(SuppressionEspecesTest, RemovingEverySpeciesLeavesAnEmptyBaseAndTheBarePlaceholder) {
  ASSERT_EQ(remove({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), FileError::Aucune);
  EXPECT_EQ(base_.NbFiches(), 0);
  EXPECT_EQ(file(), "");
  EXPECT_EQ(snapshot(data()),
            (std::map<std::string, std::string>{{"0.jpg", "placeholder"}, {"base.dat", ""}}));
}

TEST_F(SuppressionEspecesTest, AMissingPhotographStopsEverythingBeforeAnyChange) {
  std::filesystem::remove(ImagesEspece::photo(dir_.path(), 4));
  const auto before = snapshot(data());
  SuppressionEspeces suppression(base_, files_, dir_.path());
  EXPECT_EQ(suppression.verifier(), FileError::NonTrouve);
  EXPECT_EQ(suppression.numeroSansPhoto(), 4);
  EXPECT_EQ(snapshot(data()), before);
  EXPECT_EQ(base_.NbFiches(), 10);
}

TEST_F(SuppressionEspecesTest, AReadOnlyPictureIsReportedBeforeAnyChange) {
  files_.failOn(Operation::MakeWritable, 5);
  const auto before = snapshot(data());
  EXPECT_EQ(remove({2}), FileError::AccesRefuse);
  EXPECT_EQ(snapshot(data()), before);
}

// Counts each kind of call a successful removal of 3 and 7 makes, on a copy of the installation.
int callsOf(const std::filesystem::path& installation, const BaseEspeces& base, Operation kind) {
  TempDir trial;
  std::filesystem::copy(installation, trial.path(), std::filesystem::copy_options::recursive);
  BaseEspeces copy = base;
  FaultyFileAccess counting;
  SuppressionEspeces(copy, counting, trial.path()).supprimer({3, 7}, false);
  return counting.calls(kind);
}

// Whichever step before the base file's replacement fails, the file, the table and every picture
// are as they were.
TEST_F(SuppressionEspecesTest, AFailureBeforeTheBaseIsReplacedPutsEverythingBack) {
  const auto before = snapshot(data());
  const BaseEspeces table = base_;
  const int links = callsOf(dir_.path(), base_, Operation::Link);
  ASSERT_GT(links, 8);
  const auto expectUnchanged = [&] {
    EXPECT_EQ(snapshot(data()), before);
    EXPECT_EQ(base_.NbFiches(), 10);
    EXPECT_EQ(base_.fiche(3), table.fiche(3));
  };
  for (int step = 1; step <= links; ++step) {
    SCOPED_TRACE(step);
    files_.failOn(Operation::Link, step);
    EXPECT_EQ(remove({3, 7}, false), FileError::AccesRefuse);
    expectUnchanged();
  }
  for (int step = 1; step <= 2; ++step) {  // the plan, then the base file
    SCOPED_TRACE(step);
    files_.failOn(Operation::Replace, step, FileError::DisquePlein);
    EXPECT_EQ(remove({3, 7}, false), FileError::DisquePlein);
    expectUnchanged();
  }
}

// Once the base file is replaced, a failure leaves the table matching it, and the pictures are
// put in order at the next start, as after a removal that went through.
TEST_F(SuppressionEspecesTest, AFailureAfterTheBaseIsReplacedIsFinishedAtTheNextStart) {
  TempDir reference;
  std::filesystem::copy(dir_.path(), reference.path(), std::filesystem::copy_options::recursive);
  BaseEspeces referenceBase = base_;
  FaultyFileAccess plain;
  ASSERT_EQ(SuppressionEspeces(referenceBase, plain, reference.path()).supprimer({3, 7}, false),
            FileError::Aucune);
  const auto after = snapshot(ImagesEspece::dossierData(reference.path()));
  const int renames = callsOf(dir_.path(), base_, Operation::Rename);
  ASSERT_GT(renames, 8);
  for (int step = 1; step <= renames; ++step) {
    SCOPED_TRACE(step);
    TempDir trial;
    std::filesystem::copy(dir_.path(), trial.path(), std::filesystem::copy_options::recursive);
    BaseEspeces table = base_;
    FaultyFileAccess files;
    files.failOn(Operation::Rename, step);
    EXPECT_EQ(SuppressionEspeces(table, files, trial.path()).supprimer({3, 7}, false),
              FileError::AccesRefuse);
    EXPECT_EQ(table.NbFiches(), 8);
    EXPECT_EQ(SuppressionEspeces::reprendre(files, trial.path()), FileError::Aucune);
    EXPECT_EQ(snapshot(ImagesEspece::dossierData(trial.path())), after);
  }
  // Without the mark that the base was replaced, the base file's size still tells it, and the
  // next removal or import of the session finishes the first one before anything else.
  files_.failOn(Operation::Replace, 3);
  EXPECT_EQ(remove({3, 7}, false), FileError::AccesRefuse);
  EXPECT_EQ(base_.NbFiches(), 8);
  EXPECT_EQ(remove({}, false), FileError::Aucune);
  EXPECT_NE(snapshot(data()), after);
  EXPECT_EQ(remove({8}), FileError::Aucune);
  auto finished = after;
  finished.erase("8.jpg");
  finished["base.dat"].resize(7 * RecordCodec::kTailleFiche);
  EXPECT_EQ(snapshot(data()), finished);
}

}  // namespace
}  // namespace sylvenor
