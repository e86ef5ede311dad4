#pragma once

namespace sylvenor {

// Layouts are drawn in twips; 15 twips make one device-independent pixel, so they keep their
// proportions at any screen scaling.
constexpr int twips(int value) { return (value + 7) / 15; }

}  // namespace sylvenor
