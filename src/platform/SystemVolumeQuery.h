#pragma once

#include "platform/VolumeQuery.h"

namespace sylvenor {

// The medium of a folder from statvfs(3), the mount table and the removable flag of its
// device in /sys.
class SystemVolumeQuery : public VolumeQuery {
 public:
  InfosVolume infos(const std::filesystem::path& folder) override;
};

}  // namespace sylvenor
