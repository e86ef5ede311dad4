#pragma once

namespace sylvenor {

// A moment of the local calendar, as people read it.
struct DateHeure {
  int annee = 2000;
  int mois = 1;  // 1 to 12
  int jour = 1;
  int heure = 0;
  int minute = 0;
  int seconde = 0;
};

// The system's clock. Tests replace it to choose the moment.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateHeure now() = 0;
};

}  // namespace sylvenor
