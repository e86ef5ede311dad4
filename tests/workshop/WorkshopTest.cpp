#include "workshop/WorkshopTest.h"

#include <QImage>
#include <QTest>

namespace sylvenor::test {

WorkshopTest::WorkshopTest() {
  std::filesystem::create_directories(dossier_ / "images");
  std::filesystem::create_directories(dossier_ / "sauvegardes");
  const std::array<std::pair<const char*, Qt::GlobalColor>, 4> images = {
      {{"Gardon", Qt::blue}, {"Corbeau", Qt::black}, {"Rainette", Qt::green}, {"Lapin", Qt::gray}}};
  for (const auto& [nom, couleur] : images) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(couleur);
    image.save(QString::fromStdString((dossier_ / "images" / nom).string() + ".png"));
  }
  images_ = std::make_unique<FrmTemp>(dossier_.path());
  prof_ = std::make_unique<FrmProf>(programme(), *images_);
  programme().exercice().nouvelEleve("Léa");
}

WorkshopTest::~WorkshopTest() { delete plateau_.data(); }

FrmCreer& WorkshopTest::ouvrir() {
  delete plateau_.data();
  plateau_ = new FrmCreer(programme(), {*images_, accueil_});
  plateau_->show();
  return *plateau_;
}

void WorkshopTest::glisser(int image, QPoint deplacement) {
  QWidget* img = widget(plateau(), QString("Img(%1)").arg(image));
  const QPoint prise(50, 50);
  QTest::mousePress(img, Qt::LeftButton, {}, prise);
  QTest::mouseMove(img, prise + deplacement);
  QTest::mouseRelease(img, Qt::LeftButton, {}, prise);
}

void WorkshopTest::deposerDans(int image, int boite) {
  const QPoint vers = widget(plateau(), QString("Shape%1").arg(boite + 1))->pos();
  glisser(image, vers - widget(plateau(), QString("Img(%1)").arg(image))->pos());
}

void WorkshopTest::placerToutes() {
  for (int i = 0; i < 4; ++i) deposerDans(i, i);
}

QStringList WorkshopTest::cliquerEnRepondant(QWidget& window, const QString& name) {
  MessageAnswers answers;
  click(window, name);
  return answers.vus;
}

}  // namespace sylvenor::test
