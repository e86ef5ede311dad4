// Draws the help pictures of the keys, once, into the folder of the sample's help pictures:
//   draw_help <aide.txt> <dossier>
// Each line of aide.txt gives <indice><clé>.jpg: the criterion drawn, its title and its text.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <iostream>
#include <stdexcept>

#include "HelpFileParser.h"
#include "HelpPictureComposer.h"

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) {
    std::cerr << "usage : draw_help <aide.txt> <dossier>\n";
    return 2;
  }
  QFile file(arguments.at(1));
  const QDir folder(arguments.at(2));
  if (!file.open(QIODevice::ReadOnly) || !QDir().mkpath(folder.path())) {
    std::cerr << "draw_help : impossible de lire " << arguments.at(1).toStdString()
              << " ou de créer " << arguments.at(2).toStdString() << '\n';
    return 1;
  }
  try {
    int failures = 0;
    for (const auto& entry :
         sylvenor::draw::HelpFileParser::parse(QString::fromUtf8(file.readAll()))) {
      if (!sylvenor::draw::HelpPictureComposer::hasDrawing(entry)) {
        std::cerr << "draw_help : aucun dessin pour " << entry.fileName().toStdString()
                  << ", l'image ne montre que le texte\n";
      }
      const auto picture = sylvenor::draw::HelpPictureComposer::compose(entry);
      if (!picture.complete) {
        std::cerr << "draw_help : le texte de " << entry.fileName().toStdString()
                  << " est trop long et a été coupé\n";
      }
      if (!picture.image.save(folder.filePath(entry.fileName()), "JPG", 90)) {
        std::cerr << "draw_help : échec pour " << entry.fileName().toStdString() << '\n';
        ++failures;
      }
    }
    return failures == 0 ? 0 : 1;
  } catch (const std::runtime_error& error) {
    std::cerr << "draw_help : " << error.what() << '\n';
    return 1;
  }
}
