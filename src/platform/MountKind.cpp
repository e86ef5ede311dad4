#include "platform/MountKind.h"

#include <array>
#include <string_view>

namespace sylvenor {
namespace {

constexpr int kIndetermine = 0;
constexpr int kAmovible = 2;
constexpr int kPermanent = 3;
constexpr int kReseau = 4;
constexpr int kCdRom = 5;
constexpr int kRamDisk = 6;

constexpr std::array<std::string_view, 14> kReseaux = {
    "nfs", "nfs4", "cifs",      "smb3",       "smbfs", "ncpfs", "9p",
    "afs", "ceph", "glusterfs", "fuse.sshfs", "sshfs", "davfs", "fuse.davfs2"};
constexpr std::array<std::string_view, 17> kDisques = {
    "ext2", "ext3",  "ext4",    "xfs",  "btrfs", "f2fs",  "jfs",     "reiserfs", "zfs",
    "ntfs", "ntfs3", "fuseblk", "vfat", "exfat", "msdos", "hfsplus", "overlay"};

template <std::size_t N>
bool parmi(const std::array<std::string_view, N>& liste, std::string_view type) {
  for (const std::string_view element : liste) {
    if (element == type) return true;
  }
  return false;
}

}  // namespace

int MountKind::typeSupport(const Montage& montage, bool amovible) {
  // The Windows drives of WSL come through 9p too, but they are the machine's own disks.
  if (montage.type == "9p" &&
      (montage.source == "drvfs" || montage.source.find(":\\") != std::string::npos)) {
    return kPermanent;
  }
  if (parmi(kReseaux, montage.type) || montage.source.starts_with("//")) return kReseau;
  // Read-only images are written to no more than a CD-ROM is.
  if (montage.type == "iso9660" || montage.type == "udf" || montage.type == "squashfs" ||
      montage.type == "fuse.squashfuse") {
    return kCdRom;
  }
  if (montage.type == "tmpfs" || montage.type == "ramfs") return kRamDisk;
  const bool support =
      montage.point.starts_with("/media/") || montage.point.starts_with("/run/media/");
  if (amovible || (support && parmi(kDisques, montage.type))) return kAmovible;
  if (parmi(kDisques, montage.type)) return kPermanent;
  return kIndetermine;
}

}  // namespace sylvenor
