#include "app/MessageErreurFichier.h"

#include <gtest/gtest.h>

namespace sylvenor {
namespace {

TEST(MessageErreurFichier, EachFailureHasItsFirstLinesThenTheHint) {
  const MessageErreurFichier::Textes textes{"Introuvable.", "Lecture seule."};
  const std::string hint = "\n\nVérifiez que le logiciel n'est pas lancé depuis un CD-ROM.";
  EXPECT_EQ(MessageErreurFichier::texte(FileError::NonTrouve, textes), "Introuvable." + hint);
  EXPECT_EQ(MessageErreurFichier::texte(FileError::AccesRefuse, textes), "Lecture seule." + hint);
  EXPECT_EQ(MessageErreurFichier::texte(FileError::DisquePlein, textes),
            "Disque(tte) plein(e).\nTraitement impossible" + hint);
  EXPECT_EQ(MessageErreurFichier::texte(FileError::Autre, textes),
            "Erreur non reconnue.\nerreur 1\nTraitement interrompu." + hint);
}

}  // namespace
}  // namespace sylvenor
