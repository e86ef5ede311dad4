#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// Answers the modal windows as a pupil would, taking a picture of those asked for first.
class ModalAnswers : public QObject {
  Q_OBJECT

 public:
  ModalAnswers(QString out, bool& ok);

  QMap<QString, QString> pictures;  // window name -> picture file
  int numero = 1;                   // the species number a pupil chooses when asked
  QString nom = "Camille";          // the name a pupil types
  QString fichier;                  // the file a save dialog gets, in the pictures' folder

 private:
  void answer();

  QString out_;
  bool& ok_;
};
