#include "workshop/ClassificationEleve.h"

namespace sylvenor {
namespace {

ClassificationEleve avecInvites(std::string_view suite) {
  ClassificationEleve cle;
  for (std::size_t i = 0; i < ClassificationEleve::kInvites.size(); ++i) {
    cle.textes[i] = std::string(ClassificationEleve::kInvites[i]) + std::string(suite);
  }
  return cle;
}

}  // namespace

ClassificationEleve ClassificationEleve::ouverture() { return avecInvites("\n"); }

ClassificationEleve ClassificationEleve::remiseAZero() { return avecInvites(""); }

bool ClassificationEleve::estInvite(std::string_view question) {
  return question.substr(0, 4) == "Case";
}

}  // namespace sylvenor
