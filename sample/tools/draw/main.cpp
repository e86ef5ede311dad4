// Draws the button pictures of the sample installation at build time.

#include <QGuiApplication>
#include <QStringList>
#include <exception>
#include <iostream>

#include "PictureJob.h"
#include "Typeface.h"

namespace {

constexpr int kFailure = 1;
constexpr int kBadUsage = 2;

}  // namespace

int main(int argc, char* argv[]) {
  // The tool runs during the build, where there is usually no display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 2 || arguments.size() > 3) {
    std::cerr << "usage : draw_pictures <dossier du programme> [<dossier des icônes>]\n";
    return kBadUsage;
  }
  if (!sylvenor::draw::Typeface::isInstalled()) {
    std::cerr << "draw_pictures : attention, la police DejaVu Sans est absente "
                 "(paquet fonts-dejavu-core), les images auront une autre police\n";
  }
  try {
    sylvenor::draw::PictureJob(arguments[1], arguments.value(2)).run();
  } catch (const std::exception& error) {
    std::cerr << "draw_pictures : " << error.what() << '\n';
    return kFailure;
  }
  return 0;
}
