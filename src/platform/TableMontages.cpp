#include "platform/TableMontages.h"

#include <array>
#include <sstream>

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

// Blanks and other characters of a mount point are written as octal escapes ("\040").
std::string sansEchappements(std::string_view champ) {
  std::string texte;
  for (std::size_t i = 0; i < champ.size(); ++i) {
    const bool octal =
        champ[i] == '\\' && i + 3 < champ.size() &&
        champ.substr(i + 1, 3).find_first_not_of("01234567") == std::string_view::npos;
    if (octal) {
      texte += static_cast<char>(std::stoi(std::string(champ.substr(i + 1, 3)), nullptr, 8));
      i += 3;
    } else {
      texte += champ[i];
    }
  }
  return texte;
}

bool contient(std::string_view chemin, std::string_view point) {
  if (point == "/") return !chemin.empty() && chemin.front() == '/';
  return chemin.substr(0, point.size()) == point &&
         (chemin.size() == point.size() || chemin[point.size()] == '/');
}

template <std::size_t N>
bool parmi(const std::array<std::string_view, N>& liste, std::string_view type) {
  for (const std::string_view element : liste) {
    if (element == type) return true;
  }
  return false;
}

}  // namespace

std::optional<TableMontages::Montage> TableMontages::montageDe(std::string_view table,
                                                               std::string_view chemin) {
  std::optional<Montage> meilleur;
  std::istringstream lignes{std::string(table)};
  std::string ligne;
  while (std::getline(lignes, ligne)) {
    std::istringstream champs(ligne);
    std::string source;
    std::string point;
    std::string type;
    if (!(champs >> source >> point >> type)) continue;
    Montage montage{sansEchappements(source), sansEchappements(point), type};
    // A later mount on the same point hides the earlier one.
    if (contient(chemin, montage.point) &&
        (!meilleur || montage.point.size() >= meilleur->point.size())) {
      meilleur = std::move(montage);
    }
  }
  return meilleur;
}

int TableMontages::typeSupport(const Montage& montage, bool amovible) {
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
