#include "teacher/OptionPair.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include "app/Fenetre.h"

namespace sylvenor {

OptionPair::OptionPair(const QString& question, const QString& trueName, const QString& trueCaption,
                       const QString& falseName, const QString& falseCaption, QWidget* parent,
                       Qt::Orientation answers)
    : QWidget(parent),
      vrai_(new QRadioButton(trueCaption, this)),
      faux_(new QRadioButton(falseCaption, this)) {
  vrai_->setObjectName(trueName);
  faux_->setObjectName(falseName);
  auto* group = new QButtonGroup(this);
  group->addButton(vrai_);
  group->addButton(faux_);
  Fenetre::tabulerSurLeChoix(group->buttons());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 2);
  auto* label = new QLabel(question, this);
  label->setWordWrap(true);
  // A question set on two lines is centred.
  label->setAlignment(question.contains('\n') ? Qt::AlignHCenter : Qt::AlignLeft);
  layout->addWidget(label);
  auto* row =
      new QBoxLayout(answers == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  row->setContentsMargins(16, 0, 0, 0);
  row->addWidget(vrai_);
  row->addWidget(faux_);
  row->addStretch();
  layout->addLayout(row);
}

bool OptionPair::valeur() const { return vrai_->isChecked(); }

void OptionPair::setValeur(bool value) {
  vrai_->setChecked(value);
  faux_->setChecked(!value);
}

}  // namespace sylvenor
