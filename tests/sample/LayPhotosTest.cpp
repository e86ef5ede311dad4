#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempDir.h"

namespace sylvenor {
namespace {

using test::TempDir;

// The build's step that puts each species' pictures under its number.
class LayPhotosTest : public ::testing::Test {
 protected:
  LayPhotosTest() {
    std::filesystem::create_directories(dir_ / "photos");
    std::filesystem::create_directories(dir_ / "programme" / "data");
    TempDir::writeFile(dir_ / "especes.txt",
                       "Renard roux | animal | Mammifère | large | a | b | c | d | e | f\n"
                       "Écureuil roux | animal | Mammifère | large | a | b | c | d | e | f\n");
    for (const char* name :
         {"renard-roux.jpg", "renard-roux-grand.jpg", "ecureuil-roux.jpg", "pas-de-photo.jpg"}) {
      TempDir::writeFile(dir_ / "photos" / name, name);
    }
  }
  int lay() {
    const std::string command =
        std::string(SYLVENOR_LAY_PHOTOS) + " '" + (dir_ / "especes.txt").string() + "' '" +
        (dir_ / "photos").string() + "' '" + (dir_ / "programme").string() + "' 2>/dev/null";
    return std::system(command.c_str());
  }
  std::string data(const std::string& name) const {
    const auto file = dir_ / "programme" / "data" / name;
    return std::filesystem::exists(file) ? TempDir::readFile(file) : "(absent)";
  }

  TempDir dir_;
};

TEST_F(LayPhotosTest, EachSpeciesGetsItsOwnPicturesAndNothingOfAnotherStays) {
  // Left by a longer list laid before: they would show under other species.
  TempDir::writeFile(dir_ / "programme" / "data" / "2grand.jpg", "ancienne grande 2");
  TempDir::writeFile(dir_ / "programme" / "data" / "7.jpg", "ancienne photo 7");
  ASSERT_EQ(lay(), 0);
  EXPECT_EQ(data("0.jpg"), "pas-de-photo.jpg");
  EXPECT_EQ(data("1.jpg"), "renard-roux.jpg");
  EXPECT_EQ(data("1grand.jpg"), "renard-roux-grand.jpg");
  EXPECT_EQ(data("2.jpg"), "ecureuil-roux.jpg");
  EXPECT_EQ(data("2grand.jpg"), "(absent)");
  EXPECT_EQ(data("7.jpg"), "(absent)");

  std::filesystem::remove(dir_ / "photos" / "ecureuil-roux.jpg");
  EXPECT_NE(lay(), 0);
}

}  // namespace
}  // namespace sylvenor
