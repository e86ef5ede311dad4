// Draws the pictures of the sample installation (species cards, help pictures, buttons), so that
// the program can be tried on a fresh machine with pictures we made ourselves.

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
  if (arguments.size() != 4) {
    std::cerr << "usage : draw_pictures <especes.txt> <aide.txt> <dossier du programme>\n";
    return kBadUsage;
  }
  if (!sylvenor::draw::Typeface::isInstalled()) {
    std::cerr << "draw_pictures : attention, la police DejaVu Sans est absente "
                 "(paquet fonts-dejavu-core), les images auront une autre police\n";
  }
  try {
    sylvenor::draw::PictureJob(arguments[1], arguments[2], arguments[3]).run();
  } catch (const std::exception& error) {
    std::cerr << "draw_pictures : " << error.what() << '\n';
    return kFailure;
  }
  return 0;
}
