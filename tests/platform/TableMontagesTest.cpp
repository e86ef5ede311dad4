#include "platform/TableMontages.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

const std::string kTable =
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/sdb1 /media/prof/CLE\\040USB vfat rw 0 0\n"
    "/dev/sr0 /media/prof/CD iso9660 ro 0 0\n"
    "//serveur/classe /mnt/classe cifs rw 0 0\n"
    "serveur:/export /home/eleves nfs4 rw 0 0\n"
    "overlay / overlay rw 0 0\n"
    "proc /proc proc rw 0 0\n"
    "drvfs /mnt/c 9p rw 0 0\n"
    "/dev/loop3 /snap/sylvenor/12 squashfs ro 0 0\n";

int type(std::string_view chemin, bool amovible = false) {
  const auto montage = TableMontages::montageDe(kTable, chemin);
  return montage ? TableMontages::typeSupport(*montage, amovible) : -1;
}

TEST(TableMontagesTest, TheLongestMountPointAboveThePathDecides) {
  EXPECT_EQ(TableMontages::montageDe(kTable, "/media/prof/CLE USB/Sylvenor")->source, "/dev/sdb1");
  EXPECT_EQ(TableMontages::montageDe(kTable, "/tmpx/a")->point, "/");
  // The later mount on "/" hides the earlier one.
  EXPECT_EQ(TableMontages::montageDe(kTable, "/opt/sylvenor")->type, "overlay");
  EXPECT_FALSE(TableMontages::montageDe("", "/opt").has_value());
}

TEST(TableMontagesTest, EachKindOfMediumHasItsCode) {
  EXPECT_EQ(type("/opt/sylvenor"), 3);
  EXPECT_EQ(type("/opt/sylvenor", true), 2);
  EXPECT_EQ(type("/media/prof/CLE USB/Sylvenor"), 2);
  EXPECT_EQ(type("/mnt/classe/Sylvenor"), 4);
  EXPECT_EQ(type("/home/eleves/x"), 4);
  EXPECT_EQ(type("/media/prof/CD/Sylvenor"), 5);
  EXPECT_EQ(type("/tmp/Sylvenor"), 6);
  EXPECT_EQ(type("/proc/1"), 0);
  EXPECT_EQ(type("/mnt/c/Sylvenor"), 3);
  EXPECT_EQ(type("/snap/sylvenor/12/bin"), 5);
}

}  // namespace
}  // namespace sylvenor
