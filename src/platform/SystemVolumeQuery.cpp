#include "platform/SystemVolumeQuery.h"

#include <QStorageInfo>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/MountKind.h"

namespace sylvenor {
namespace {

std::string lire(const std::filesystem::path& fichier) {
  std::ifstream flux(fichier);
  std::ostringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

// The block device's own flag, or its disk's for a partition.
bool amovible(const std::string& source) {
  if (!source.starts_with("/dev/")) return false;
  std::error_code erreur;
  const auto device = std::filesystem::canonical(source, erreur);
  if (erreur) return false;
  const auto bloc = std::filesystem::canonical("/sys/class/block" / device.filename(), erreur);
  if (erreur) return false;
  const auto disque = std::filesystem::exists(bloc / "partition") ? bloc.parent_path() : bloc;
  return lire(disque / "removable").starts_with("1");
}

}  // namespace

InfosVolume SystemVolumeQuery::infos(const std::filesystem::path& folder) {
  std::error_code erreur;
  const auto chemin = std::filesystem::canonical(folder, erreur);
  if (erreur) return {1, 0, 0};
  InfosVolume infos;
  const QStorageInfo volume(QString::fromStdString(chemin.string()));
  if (!volume.isValid()) return infos;
  infos.octetsTotal = static_cast<std::uint64_t>(std::max<qint64>(0, volume.bytesTotal()));
  infos.octetsLibres = static_cast<std::uint64_t>(std::max<qint64>(0, volume.bytesAvailable()));
  const MountKind::Montage montage{volume.device().toStdString(), volume.rootPath().toStdString(),
                                   volume.fileSystemType().toStdString()};
  infos.typeSupport = MountKind::typeSupport(montage, amovible(montage.source));
  return infos;
}

}  // namespace sylvenor
