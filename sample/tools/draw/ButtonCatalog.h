#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPainter;

namespace sylvenor::draw {

// Every button picture the windows load from the images folder, with its file name and size.
class ButtonCatalog {
 public:
  struct Button {
    QString fileName;
    int size;
    void (*paint)(QPainter&);
  };

  static const std::vector<Button>& buttons();
  static QImage render(const Button& button);
};

}  // namespace sylvenor::draw
