#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <map>

#include "platform/PosixFileAccess.h"
#include "species/BaseEspeces.h"
#include "species/ReadableTable.h"
#include "species/RecordCodec.h"
#include "species/SpeciesCodes.h"

namespace sylvenor {
namespace {

const std::filesystem::path kDir = SYLVENOR_SAMPLE_DIR;

class SampleInstallation : public ::testing::Test {
 protected:
  void SetUp() override { base_.ChargerBase(files_, kDir); }
  PosixFileAccess files_;
  BaseEspeces base_;
};

TEST_F(SampleInstallation, ItsBaseGoesIntoTheReadableTableAndBackByteForByte) {
  std::vector<FicheEspece> fiches;
  for (int k = 1; k <= base_.NbFiches(); ++k) fiches.push_back(base_.fiche(k));
  const ReadableTable table = parseReadableTable(writeReadableTable(fiches));
  ASSERT_TRUE(table.erreurs.empty());
  std::string octets;
  for (const FicheEspece& fiche : table.fiches) {
    const RecordCodec::Bytes record = RecordCodec::encode(fiche);
    octets.append(record.data(), record.size());
  }
  EXPECT_EQ(octets, files_.read(BaseEspeces::cheminBase(kDir), SIZE_MAX).octets);
}

TEST_F(SampleInstallation, HoldsEnoughSpeciesOfEveryGroupAndDistribution) {
  ASSERT_GE(base_.NbFiches(), 80);
  std::map<std::pair<int, int>, int> groups;
  std::map<int, int> distributions;
  for (int k = 1; k <= base_.NbFiches(); ++k) {
    const FicheEspece& fiche = base_.fiche(k);
    ASSERT_TRUE(nomGroupe(fiche.Vegetal, fiche.Groupe).has_value()) << k;
    ASSERT_TRUE(nomRepartition(fiche.Repartition).has_value()) << k;
    ++groups[{fiche.Vegetal, fiche.Groupe}];
    ++distributions[fiche.Repartition];
  }
  for (int g = 0; g < kNbGroupesAnimaux; ++g) EXPECT_GE((groups[{kAnimal, g}]), 3) << g;
  for (int g = 0; g < kNbGroupesVegetaux; ++g) EXPECT_GE((groups[{kVegetal, g}]), 3) << g;
  for (int d = 0; d < kNbRepartitions; ++d) EXPECT_GT(distributions[d], 0) << d;
}

TEST_F(SampleInstallation, IncludesTheFourAnimalsOfTheWorkshop) {
  std::map<std::string, int> found;
  for (int k = 1; k <= base_.NbFiches(); ++k) {
    std::string name = base_.fiche(k).Nom;
    name.erase(name.find_last_not_of(' ') + 1);
    found[name] = k;
  }
  for (const char* name : {"Gardon", "Corbeau", "Rainette verte", "Lapin"}) {
    EXPECT_TRUE(found.count(name)) << name;
  }
}

TEST_F(SampleInstallation, EverySpeciesHasAPictureOfItsOwnAndAnEnlargedOne) {
  std::map<std::string, int> owners;
  for (int k = 1; k <= base_.NbFiches(); ++k) {
    for (const std::string suffix : {".jpg", "grand.jpg"}) {
      const auto file = kDir / "data" / (std::to_string(k) + suffix);
      const FileRead picture = files_.read(file, SIZE_MAX);
      ASSERT_EQ(picture.erreur, FileError::Aucune) << file;
      const auto [owner, added] = owners.emplace(picture.octets, k);
      EXPECT_TRUE(added) << file << " is also the picture of species " << owner->second;
    }
  }
  EXPECT_TRUE(std::filesystem::exists(kDir / "data" / "0.jpg"));
  EXPECT_TRUE(std::filesystem::is_directory(kDir / "sauvegardes"));
}

TEST(SamplePictures, EachIsCreditedWithItsSourceAndLicence) {
  const std::filesystem::path photos = std::filesystem::path(SYLVENOR_SAMPLE_SOURCE) / "photos";
  PosixFileAccess files;
  const std::string credits = files.read(photos / "credits.txt", SIZE_MAX).octets;
  std::map<std::string, int> fields;
  std::size_t start = 0;
  while (start < credits.size()) {
    const std::size_t end = std::min(credits.find('\n', start), credits.size());
    const std::string line = credits.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    fields[line.substr(0, line.find(' '))] =
        static_cast<int>(std::count(line.begin(), line.end(), '|'));
  }
  for (const auto& entry : std::filesystem::directory_iterator(photos)) {
    std::string name = entry.path().stem().string();
    if (entry.path().extension() != ".jpg" || name == "pas-de-photo") continue;
    if (name.ends_with("-grand")) name.resize(name.size() - 6);
    EXPECT_EQ(fields[name], 3) << name << " needs a line: nom | source | fichier | licence";
  }
}

TEST_F(SampleInstallation, HasTheHelpPicturesOfTheThreeKeysAndTheButtonPictures) {
  const std::map<std::string, std::vector<int>> help = {
      {"frm2", {0, 2, 3, 4, 5, 6}},
      {"frm2b", {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {"frm3", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}};
  for (const auto& [suffix, indexes] : help) {
    for (const int i : indexes) {
      const auto name = std::to_string(i) + suffix + ".jpg";
      EXPECT_TRUE(std::filesystem::exists(kDir / "aide" / name)) << name;
    }
  }
  for (const char* name :
       {"QuitterSamuon", "Quitter", "QuitterRouge", "NON_vert", "OUI_vert", "Juste", "Faux",
        "Accepter", "Eleve", "Professeur", "Valider", "Chargement"}) {
    EXPECT_TRUE(std::filesystem::exists(kDir / "images" / (std::string(name) + ".png"))) << name;
  }
}

// A colour-blind pupil tells right from wrong by the shape alone: seen in grey, the two
// feedback pictures still differ over a good part of their surface.
TEST(FeedbackPictures, RightAndWrongDifferInShapeNotOnlyInColour) {
  const auto gris = [](const char* name) {
    return QImage(QString::fromStdString((kDir / "images" / name).string()))
        .convertToFormat(QImage::Format_Grayscale8);
  };
  const QImage juste = gris("Juste.png");
  const QImage faux = gris("Faux.png");
  ASSERT_FALSE(juste.isNull());
  ASSERT_EQ(juste.size(), faux.size());
  int differents = 0;
  for (int y = 0; y < juste.height(); ++y) {
    for (int x = 0; x < juste.width(); ++x) {
      differents += std::abs(qGray(juste.pixel(x, y)) - qGray(faux.pixel(x, y))) > 64;
    }
  }
  EXPECT_GT(differents, juste.width() * juste.height() / 20);
}

}  // namespace
}  // namespace sylvenor
