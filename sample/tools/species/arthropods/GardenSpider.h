#pragma once

class QPainter;

namespace sylvenor::draw::arthropods {

// Araneus diadematus from above, on a few threads of its web: a round orange-brown abdomen
// with a white cross, and four pairs of banded, spiny legs.
class GardenSpider {
 public:
  static void paint(QPainter& painter);
};

}  // namespace sylvenor::draw::arthropods
