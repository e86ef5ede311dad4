#pragma once

#include <QColor>

namespace sylvenor::draw {

// The few colours every help picture shares, so that labels, numbers and guide lines look the
// same in the three keys.
class HelpPalette {
 public:
  static inline const QColor kPaper{0xfa, 0xf8, 0xf1};
  static inline const QColor kFrame{0xb4, 0xcb, 0xe0};
  static inline const QColor kPanelTop{0xff, 0xff, 0xff};
  static inline const QColor kPanelBottom{0xee, 0xf4, 0xf9};
  static inline const QColor kTitle{0x1f, 0x4e, 0x79};
  static inline const QColor kText{0x26, 0x32, 0x3d};
  static inline const QColor kInk{0x2f, 0x3d, 0x4a};
  static inline const QColor kLeader{0x55, 0x66, 0x75};
  static inline const QColor kGuide{0xd2, 0x3f, 0x31};
  static inline const QColor kFirst{0xe0, 0x7a, 0x1f};
  static inline const QColor kSecond{0x2f, 0x7d, 0xc4};
  static inline const QColor kArrow{0x2f, 0x7d, 0xc4};  // from a whole to its part shown apart
  static inline const QColor kAnimals{0xe0, 0x7a, 0x1f};
  static inline const QColor kInvertebrates{0x8a, 0x5a, 0xb8};
  static inline const QColor kPlants{0x4a, 0x9a, 0x3a};
};

}  // namespace sylvenor::draw
