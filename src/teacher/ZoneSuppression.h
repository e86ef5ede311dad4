#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QListWidget;
class QProgressBar;

namespace sylvenor {

class Programme;

// The deletion zone of the teacher screen: the teacher ticks species and removes them at once.
class ZoneSuppression : public QWidget {
  Q_OBJECT

 public:
  ZoneSuppression(Programme& programme, std::function<void()> compteChange,
                  std::function<void()> fermer, QWidget* parent);

  // Fills the list; false, with the reason shown, when the base cannot be changed.
  bool ouvrir();

 private:
  void remplirListe();
  std::vector<std::int16_t> cochees() const;
  void CmdSupprEspece_Click();
  void afficherErreur(const QString& text);

  Programme& programme_;
  std::function<void()> compteChange_;
  QListWidget* listEspeces_ = nullptr;
  QCheckBox* optSupImg_ = nullptr;
  QProgressBar* pourcent_ = nullptr;
};

}  // namespace sylvenor
