#include "teacher/PhotosFiche.h"

#include <gtest/gtest.h>

#include "support/FaultyFileAccess.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

using Sorte = PhotosFiche::Sorte;
using test::FaultyFileAccess;
using test::TempDir;

class PhotosFicheTest : public ::testing::Test {
 protected:
  PhotosFicheTest() {
    std::filesystem::create_directories(dir_ / "data");
    TempDir::writeFile(dir_ / "data" / "3.jpg", "ancienne photo 3");
  }
  std::string read(const std::string& name) const {
    return TempDir::readFile(dir_ / "data" / name);
  }
  bool exists(const std::string& name) const {
    return std::filesystem::exists(dir_ / "data" / name);
  }

  TempDir dir_;
  FaultyFileAccess files_;
  PhotosFiche photos_{files_, dir_.path()};
};

TEST_F(PhotosFicheTest, ASavedCardsPicturesAreReplacedOrRemovedAtOnce) {
  EXPECT_EQ(photos_.poser(3, Sorte::Photo, "nouvelle photo 3", false), FileError::Aucune);
  EXPECT_EQ(photos_.poser(3, Sorte::Agrandie, "grande 3", false), FileError::Aucune);
  EXPECT_EQ(read("3.jpg"), "nouvelle photo 3");
  EXPECT_EQ(read("3grand.jpg"), "grande 3");

  EXPECT_EQ(photos_.retirer(3, Sorte::Agrandie, false), FileError::Aucune);
  EXPECT_FALSE(exists("3grand.jpg"));
  EXPECT_EQ(photos_.retirer(3, Sorte::Agrandie, false), FileError::Aucune);
  EXPECT_EQ(read("3.jpg"), "nouvelle photo 3");
  EXPECT_EQ(photos_.poser(3, Sorte::Photo, "", false), FileError::Autre);
  EXPECT_EQ(photos_.poser(0, Sorte::Photo, "photo", false), FileError::NonTrouve);
}

TEST_F(PhotosFicheTest, ANewCardsPicturesWaitForItsSaveAndLeaveNothingWhenAbandoned) {
  TempDir::writeFile(dir_ / "data" / "13grand.jpg", "laissée par une fiche détruite");
  photos_.poser(13, Sorte::Photo, "photo 13", true);
  photos_.retirer(13, Sorte::Agrandie, true);
  EXPECT_EQ(*photos_.enAttente(Sorte::Photo), "photo 13");
  EXPECT_FALSE(exists("13.jpg"));
  EXPECT_TRUE(exists("13grand.jpg"));

  photos_.oublierAttente();
  EXPECT_FALSE(photos_.enAttente(Sorte::Photo));
  EXPECT_EQ(photos_.ecrireAttente(13), FileError::Aucune);
  EXPECT_FALSE(exists("13.jpg"));

  photos_.poser(13, Sorte::Photo, "photo 13", true);
  photos_.retirer(13, Sorte::Agrandie, true);
  EXPECT_EQ(photos_.ecrireAttente(13), FileError::Aucune);
  EXPECT_EQ(read("13.jpg"), "photo 13");
  EXPECT_FALSE(exists("13grand.jpg"));
  EXPECT_FALSE(photos_.enAttente(Sorte::Photo));
}

TEST_F(PhotosFicheTest, AFullOrReadOnlyDiskChangesNothingAndKeepsWhatWaits) {
  files_.failOn(FaultyFileAccess::Operation::Replace, 1, FileError::DisquePlein);
  EXPECT_EQ(photos_.poser(3, Sorte::Photo, "nouvelle photo 3", false), FileError::DisquePlein);
  EXPECT_EQ(read("3.jpg"), "ancienne photo 3");
  files_.failOn(FaultyFileAccess::Operation::Remove, 1);
  EXPECT_EQ(photos_.retirer(3, Sorte::Photo, false), FileError::AccesRefuse);
  EXPECT_EQ(read("3.jpg"), "ancienne photo 3");

  photos_.poser(13, Sorte::Photo, "photo 13", true);
  files_.failOn(FaultyFileAccess::Operation::Replace, 1, FileError::AccesRefuse);
  EXPECT_EQ(photos_.ecrireAttente(13), FileError::AccesRefuse);
  EXPECT_FALSE(exists("13.jpg"));
  EXPECT_EQ(*photos_.enAttente(Sorte::Photo), "photo 13");
  EXPECT_EQ(photos_.ecrireAttente(13), FileError::Aucune);
  EXPECT_EQ(read("13.jpg"), "photo 13");
}

}  // namespace
}  // namespace sylvenor
