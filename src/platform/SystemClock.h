#pragma once

#include "platform/Clock.h"

namespace sylvenor {

// The local time of the machine.
class SystemClock : public Clock {
 public:
  DateHeure now() override;
};

}  // namespace sylvenor
