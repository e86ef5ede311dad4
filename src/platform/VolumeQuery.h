#pragma once

#include <cstdint>
#include <filesystem>

namespace sylvenor {

// The medium a folder lives on, as the disk information panel tells it.
struct InfosVolume {
  // 0 unknown, 1 path not valid, 2 removable, 3 fixed, 4 network, 5 CD-ROM, 6 RAM disk.
  int typeSupport = 0;
  std::uint64_t octetsTotal = 0;
  std::uint64_t octetsLibres = 0;  // the room this user may write into
};

// Asks the system about the medium of a folder. Tests replace it.
class VolumeQuery {
 public:
  virtual ~VolumeQuery() = default;
  virtual InfosVolume infos(const std::filesystem::path& folder) = 0;
};

}  // namespace sylvenor
