#include "platform/MountKind.h"

#include <gtest/gtest.h>

#include "platform/SystemVolumeQuery.h"
#include "support/TempDir.h"

namespace sylvenor {
namespace {

int type(const std::string& source, const std::string& point, const std::string& genre,
         bool amovible = false) {
  return MountKind::typeSupport({source, point, genre}, amovible);
}

TEST(MountKindTest, EachKindOfMediumHasItsCode) {
  EXPECT_EQ(type("/dev/nvme0n1p2", "/", "ext4"), 3);
  EXPECT_EQ(type("/dev/nvme0n1p2", "/", "ext4", true), 2);
  EXPECT_EQ(type("/dev/sdb1", "/media/prof/CLE USB", "vfat"), 2);
  EXPECT_EQ(type("//serveur/classe", "/mnt/classe", "cifs"), 4);
  EXPECT_EQ(type("serveur:/export", "/home/eleves", "nfs4"), 4);
  EXPECT_EQ(type("/dev/sr0", "/media/prof/CD", "iso9660"), 5);
  EXPECT_EQ(type("tmpfs", "/tmp", "tmpfs"), 6);
  EXPECT_EQ(type("proc", "/proc", "proc"), 0);
  EXPECT_EQ(type("drvfs", "/mnt/c", "9p"), 3);
  EXPECT_EQ(type("/dev/loop3", "/snap/sylvenor/12", "squashfs"), 5);
  EXPECT_EQ(type("overlay", "/", "overlay"), 3);
}

// The medium of a real folder, as the disk panel shows it; a missing one is "not valid".
TEST(MountKindTest, TheSystemTellsTheSizesAndKindOfAFoldersMedium) {
  test::TempDir dossier;
  SystemVolumeQuery systeme;
  const InfosVolume infos = systeme.infos(dossier.path());
  EXPECT_GT(infos.octetsTotal, 0U);
  EXPECT_LE(infos.octetsLibres, infos.octetsTotal);
  EXPECT_NE(infos.typeSupport, 1);
  const InfosVolume absent = systeme.infos(dossier / "absent");
  EXPECT_EQ(absent.typeSupport, 1);
  EXPECT_EQ(absent.octetsTotal, 0U);
}

}  // namespace
}  // namespace sylvenor
