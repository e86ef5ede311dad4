#include "PictureJob.h"

#include <QFile>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "ButtonCatalog.h"
#include "HelpFileParser.h"
#include "HelpPicturePainter.h"
#include "SpeciesCardPainter.h"
#include "species/ReadableTable.h"

namespace sylvenor::draw {

namespace {

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error("impossible de lire le fichier " + path.toStdString());
  }
  return file.readAll();
}

// Only odd-numbered species get a large picture: the sample shows species with and without one.
bool hasLargeCard(std::size_t number) { return number % 2 == 1; }

}  // namespace

PictureJob::PictureJob(QString speciesFile, QString helpFile, const QString& programDir)
    : speciesFile_(std::move(speciesFile)), helpFile_(std::move(helpFile)), saver_(programDir) {}

void PictureJob::run() const {
  const std::vector<FicheEspece> fiches = readSpecies();
  const std::vector<HelpEntry> entries = readHelp();
  drawSpecies(fiches);
  drawHelp(entries);
  drawButtons();
}

std::vector<FicheEspece> PictureJob::readSpecies() const {
  const QByteArray text = readFile(speciesFile_);
  ReadableTable table = parseReadableTable(std::string_view(text.constData(), text.size()));
  if (!table.erreurs.empty()) {
    std::string message = speciesFile_.toStdString() + " contient des erreurs :";
    for (const std::string& error : table.erreurs) {
      message += "\n  " + error;
    }
    throw std::runtime_error(message);
  }
  return std::move(table.fiches);
}

std::vector<HelpEntry> PictureJob::readHelp() const {
  const QString text = QString::fromUtf8(readFile(helpFile_));
  try {
    return HelpFileParser::parse(text);
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(helpFile_.toStdString() + ", " + error.what());
  }
}

void PictureJob::drawSpecies(const std::vector<FicheEspece>& fiches) const {
  saver_.saveJpeg(SpeciesCardPainter::placeholder(), QStringLiteral("data/0.jpg"));
  for (std::size_t i = 0; i < fiches.size(); ++i) {
    const std::size_t number = i + 1;
    const QString stem = QStringLiteral("data/") + QString::number(number);
    const SpeciesCardPainter painter(fiches[i]);
    saver_.saveJpeg(painter.card(), stem + QStringLiteral(".jpg"));
    if (hasLargeCard(number)) {
      saver_.saveJpeg(painter.largeCard(), stem + QStringLiteral("grand.jpg"));
    }
  }
}

void PictureJob::drawHelp(const std::vector<HelpEntry>& entries) const {
  for (const HelpEntry& entry : entries) {
    const HelpPicturePainter::Picture picture = HelpPicturePainter::paint(entry);
    if (!picture.complete) {
      std::cerr << "draw_pictures : attention, le texte de " << entry.fileName().toStdString()
                << " est trop long et a été coupé\n";
    }
    saver_.saveJpeg(picture.image, QStringLiteral("aide/") + entry.fileName());
  }
}

void PictureJob::drawButtons() const {
  for (const ButtonCatalog::Button& button : ButtonCatalog::buttons()) {
    saver_.savePng(ButtonCatalog::render(button), QStringLiteral("images/") + button.fileName);
  }
}

}  // namespace sylvenor::draw
