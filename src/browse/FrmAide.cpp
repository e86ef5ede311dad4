#include "browse/FrmAide.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/Twips.h"

namespace sylvenor {
namespace {

struct Entree {
  const char* nom;
  const char* texte;
};

// In alphabetical order of the words; the control names keep their design numbering.
constexpr Entree kEntrees[] = {
    {"Label6", "antennule = petite antenne"},
    {"Label2", "calcaire = matière comportant principalement du calcium et du carbone"},
    {"Label3", "critère = caractère observable"},
    {"Label4", "classification = rangement en groupes selon des critères choisis"},
    {"Label14", "crampon = qui sert à s'attacher"},
    {"Label13", "éboulis = lieu d'éboulement de pierres"},
    {"Label11", "étamine = organe reproducteur mâle"},
    {"Label10", "mélifère = dont le nectar sert aux abeilles pour produire du miel"},
    {"Label5", "particule = petit élément"},
    {"Label12", "pistil = organe reproducteur femelle"},
    {"Label15", "spore = cellule qui, en germant, produit un nouvel individu"},
    {"Label9", "tourbière = milieu de vie très humide"},
    {"Label8", "trachées = appareil respiratoire de certains insectes"},
    {"Label7", "trachéobranchies = appareil respiratoire de certains insectes aquatiques"},
};

QLabel* titre(QWidget* parent) {
  auto* label = new QLabel("Dictionnaire", parent);
  label->setObjectName("Label1");
  label->setStyleSheet("font-size: 16pt; font-weight: bold;");
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

FrmAide::FrmAide(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FrmAide");
  setWindowTitle("Dictionnaire");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(twips(360), twips(240), twips(360), twips(240));
  layout->addWidget(titre(this));
  layout->addSpacing(twips(240));
  for (const Entree& entree : kEntrees) {
    auto* label = new QLabel(QString::fromUtf8(entree.texte), this);
    label->setObjectName(entree.nom);
    layout->addWidget(label, 0, Qt::AlignLeft);
  }
  layout->addSpacing(twips(240));

  auto* retour = new QPushButton("Retour", this);
  retour->setObjectName("BtnRetour");
  layout->addWidget(retour, 0, Qt::AlignHCenter);
  connect(retour, &QPushButton::clicked, this, &FrmAide::BtnRetour_Click);
  // Enter or Escape close the dictionary, as its only button does.
  for (const QKeySequence& touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                     QKeySequence(QKeySequence::Cancel)}) {
    connect(new QShortcut(touche, this), &QShortcut::activated, this, &FrmAide::BtnRetour_Click);
  }
  setFixedSize(sizeHint());
}

void FrmAide::BtnRetour_Click() { close(); }

}  // namespace sylvenor
