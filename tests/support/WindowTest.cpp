#include "support/WindowTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QHash>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "keys/KeyLine.h"

namespace sylvenor::test {
namespace {

QString settingsFile(const TempDir& dir) {
  return QString::fromStdString((dir / "config" / "brambel-Sylvenor.ini").string());
}

}  // namespace

WindowTest::WindowTest() { restartProgram(); }

void WindowTest::restartProgram() {
  programme_.reset();
  settings_ = std::make_unique<IniSettingsStore>(settingsFile(dossier_));
  programme_ = std::make_unique<Programme>(
      dossier_.path(), Programme::Services{fichiers_, *settings_, session_, session_, imprimante_,
                                           horloge_, volumes_});
}

void WindowTest::setSetting(const std::string& section, const std::string& key,
                            const std::string& text) {
  settings_->setValue(section, key, text);
}

std::optional<std::string> WindowTest::setting(const std::string& section, const std::string& key) {
  // A second store on the same file, as the next run of the program opens it.
  IniSettingsStore fromDisk(settingsFile(dossier_));
  return fromDisk.value(section, key);
}

bool WindowTest::montreEntier(const QLabel& label) {
  const QRect boite = label.contentsRect();
  const QFontMetrics mesure(label.font());
  const QStringList lignes = label.text().split('\n');
  for (const QString& ligne : lignes) {
    const QStringList morceaux = label.wordWrap() ? ligne.split(' ') : QStringList{ligne};
    for (const QString& morceau : morceaux) {
      if (mesure.horizontalAdvance(morceau) > boite.width()) return false;
    }
  }
  const int hauteur = label.wordWrap() ? label.heightForWidth(label.width())
                                       : static_cast<int>(lignes.size()) * mesure.lineSpacing();
  const QWidget* fenetre = label.window();
  const QRect place(label.mapTo(fenetre, QPoint(0, 0)), label.size());
  return hauteur <= label.height() && fenetre->rect().contains(place);
}

namespace {

double luminance(QRgb couleur) {
  const auto canal = [](int valeur) {
    const double c = valeur / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * canal(qRed(couleur)) + 0.7152 * canal(qGreen(couleur)) +
         0.0722 * canal(qBlue(couleur));
}

double contraste(QRgb a, QRgb b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background is the colour most of the label's place has; the text, the colour that
// differs most from it.
double contrasteTexte(const QImage& image) {
  QHash<QRgb, int> nombres;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++nombres[image.pixel(x, y) | 0xff000000];
  }
  QRgb fond = 0;
  int plus = -1;
  for (auto it = nombres.cbegin(); it != nombres.cend(); ++it) {
    if (it.value() > plus) std::tie(fond, plus) = std::pair(it.key(), it.value());
  }
  double meilleur = 1.0;
  for (auto it = nombres.cbegin(); it != nombres.cend(); ++it) {
    meilleur = std::max(meilleur, contraste(fond, it.key()));
  }
  return meilleur;
}

}  // namespace

QStringList WindowTest::textesPeuContrastes(QWidget& fenetre) {
  const QImage vue = fenetre.grab().toImage().scaled(fenetre.size());
  QStringList faibles;
  for (QLabel* label : fenetre.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&fenetre) || label->text().trimmed().isEmpty()) continue;
    const QRect place = QRect(label->mapTo(&fenetre, QPoint()), label->size()) & vue.rect();
    const QFontInfo police(label->font());
    const bool grand = police.pointSizeF() >= 18 || (police.pointSizeF() >= 14 && police.bold());
    if (contrasteTexte(vue.copy(place)) < (grand ? 3.0 : 4.5)) {
      faibles << label->objectName() + ": " + label->text().simplified();
    }
  }
  return faibles;
}

QStringList WindowTest::lignesQuiBarrent(QWidget& cle) {
  std::vector<std::pair<QString, QRect>> obstacles;
  for (QLabel* label : cle.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&cle) || label->text().trimmed().isEmpty()) continue;
    const int drapeaux = static_cast<int>(label->alignment()) |
                         (label->wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0);
    const QRect texte =
        label->fontMetrics().boundingRect(label->contentsRect(), drapeaux, label->text());
    obstacles.emplace_back(label->objectName(), texte.translated(label->mapTo(&cle, QPoint())));
  }
  for (QAbstractButton* bouton : cle.findChildren<QAbstractButton*>()) {
    if (!bouton->isVisibleTo(&cle)) continue;
    const QRect place(bouton->mapTo(&cle, QPoint()), bouton->size());
    obstacles.emplace_back(bouton->objectName(), place.adjusted(2, 2, -2, -2));
  }
  QStringList barres;
  for (KeyLine* ligne : cle.findChildren<KeyLine*>()) {
    if (!ligne->isVisibleTo(&cle)) continue;
    const QPolygonF trace = ligne->trace();
    for (qsizetype i = 1; i < trace.size(); ++i) {
      const QLineF segment(trace[i - 1], trace[i]);
      for (const auto& [nom, rect] : obstacles) {
        for (qreal t = 0; t <= 1.0; t += 1.0 / std::max(1.0, segment.length())) {
          if (!rect.contains(segment.pointAt(t).toPoint())) continue;
          barres << ligne->objectName() + " / " + nom;
          break;
        }
      }
    }
  }
  return barres;
}

QTimer* WindowTest::takeTimer(QWidget& window, const QString& name,
                              std::chrono::milliseconds intervalle) {
  auto* timer = child<QTimer>(window, name);
  if (timer == nullptr) return nullptr;
  EXPECT_EQ(timer->intervalAsDuration(), intervalle) << name.toStdString();
  // A day: longer than any test, and a running timer starts again from now.
  timer->setInterval(std::chrono::hours(24));
  return timer;
}

void WindowTest::tick(QTimer& timer) {
  ASSERT_TRUE(timer.isActive()) << timer.objectName().toStdString();
  QMetaObject::invokeMethod(&timer, "timeout");
}

void WindowTest::click(QWidget& window, const QString& name) {
  auto* button = window.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name.toStdString();
  ASSERT_TRUE(button->isVisible()) << name.toStdString();
  // Check boxes and option buttons answer only on their box and caption, at the left.
  const bool captioned = button->inherits("QCheckBox") || button->inherits("QRadioButton");
  const QPoint where = captioned ? QPoint(8, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

std::shared_ptr<WindowTest::ModalSeen> WindowTest::answerNextModal() {
  auto seen = std::make_shared<ModalSeen>();
  auto* poll = new QTimer(answerers_.get());
  QObject::connect(poll, &QTimer::timeout, [seen, poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen->title = box->windowTitle();
    seen->text = box->text();
    box->accept();
    poll->deleteLater();
  });
  poll->start(0);
  return seen;
}

void WindowTest::answerNextFileDialog(const std::filesystem::path& file) {
  auto* poll = new QTimer(answerers_.get());
  QObject::connect(poll, &QTimer::timeout, [poll, file] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->selectFile(QString::fromStdString(file.string()));
    static_cast<QDialog*>(dialog)->accept();
    poll->deleteLater();
  });
  poll->start(0);
}

}  // namespace sylvenor::test
