#pragma once

#include "platform/Clock.h"

namespace sylvenor::test {

// A clock that always tells the moment it was given.
class FakeClock : public Clock {
 public:
  DateHeure now() override { return moment; }

  DateHeure moment{2026, 3, 7, 9, 5, 30};
};

}  // namespace sylvenor::test
