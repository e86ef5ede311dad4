#pragma once

#include <QString>

#include <string>

class QWidget;

namespace sylvenor {
class Programme;
}

// The steps every walk of the windows takes.
namespace walk {

// A picture of the window alone.
bool save(QWidget& window, const QString& file);
// A picture of the whole screen, as a pupil sees it.
bool saveScreen(const QString& file);
void clickButton(QWidget& window, const char* name);
void clickIn(QWidget& window, const char* name);
// The top-level window shown under that name, if any.
QWidget* window(const char* name);
// The number of the sample's species of that name, 1 when there is none.
int numero(sylvenor::Programme& programme, const std::string& nom);

}  // namespace walk
