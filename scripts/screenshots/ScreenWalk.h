#pragma once

#include <QString>

class ModalAnswers;

namespace sylvenor {
class Programme;
class Splashscreen;
}  // namespace sylvenor

// Pictures of the whole screen, as a pupil or a teacher sees it: the three keys with their
// card, the board with each animal's description, the teacher screen with the card editor.
// The number prompt must be the way species come (the "Choix" setting off).
bool walkScreens(sylvenor::Splashscreen& start, ModalAnswers& answers,
                 sylvenor::Programme& programme, const QString& out);

// Three pupils each run the animal key, then the teacher opens "Résultats des élèves": the
// window, a pupil's recap and review, and its PDF and spreadsheet exports, in `out`. The
// number prompt must be the way species come (the "Choix" setting off).
bool walkResults(sylvenor::Splashscreen& start, ModalAnswers& answers,
                 sylvenor::Programme& programme, const QString& out);
