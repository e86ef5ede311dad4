#pragma once

#include <QWidget>

class QRadioButton;

namespace sylvenor {

// A question with its two exclusive answers; the first answer is the option's true choice.
class OptionPair : public QWidget {
  Q_OBJECT

 public:
  OptionPair(const QString& question, const QString& trueName, const QString& trueCaption,
             const QString& falseName, const QString& falseCaption, QWidget* parent,
             Qt::Orientation answers = Qt::Horizontal);

  bool valeur() const;
  // The true choice takes the value, the false choice its negation.
  void setValeur(bool value);

 private:
  QRadioButton* vrai_;
  QRadioButton* faux_;
};

}  // namespace sylvenor
