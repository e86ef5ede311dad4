#pragma once

#include "platform/VolumeQuery.h"

namespace sylvenor::test {

// A medium whose answers the test chooses; it notes the folder it was asked about.
class FakeVolumeQuery : public VolumeQuery {
 public:
  InfosVolume infos(const std::filesystem::path& folder) override {
    demande = folder;
    return reponse;
  }

  InfosVolume reponse{3, 0, 0};
  std::filesystem::path demande;
};

}  // namespace sylvenor::test
