#pragma once

#include <QRect>

namespace sylvenor {

// Layouts are drawn in twips; 15 twips make one device-independent pixel, so they keep their
// proportions at any screen scaling.
constexpr int kTwipsParPixel = 15;

constexpr int twips(int value) { return (value + 7) / kTwipsParPixel; }

inline QRect rectTwips(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace sylvenor
