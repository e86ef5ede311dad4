#pragma once

#include <QColor>
#include <cstdint>

#include "Emblem.h"

namespace sylvenor::draw {

// Colours and emblem of a group, so that pupils learn to recognise a group at a glance.
struct GroupStyle {
  Emblem emblem = Emblem::Unknown;
  QColor background;
  QColor ink;
  QColor accent;

  static GroupStyle forGroup(std::int16_t vegetal, std::int16_t groupe);
  // The ink, faded, for frames and borders that must not compete with the emblem.
  QColor fadedInk(int alpha) const;
};

}  // namespace sylvenor::draw
