#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace sylvenor {

// A pupil's own key: the nine texts of the board, always in this order. Line breaks are "\n".
struct ClassificationEleve {
  enum Case : std::size_t {
    Depart,     // start question
    Question1,  // question of branch 1
    Question2,  // question of branch 2
    Reponse1,
    Reponse2,
    Reponse3,
    Reponse4,
    Reponse5,
    Reponse6,
    kNbCases,
  };
  static constexpr std::array<std::string_view, 3> kInvites = {"Case DEPART", "Case 1", "Case 2"};

  std::array<std::string, kNbCases> textes;

  bool operator==(const ClassificationEleve&) const = default;

  // The board as it opens: each question box holds its placeholder and a line break.
  static ClassificationEleve ouverture();
  // The board after "Tout remettre à zéro": the placeholders alone.
  static ClassificationEleve remiseAZero();
  // A question box still showing a placeholder empties when clicked.
  static bool estInvite(std::string_view question);
};

}  // namespace sylvenor
