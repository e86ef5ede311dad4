#include "HelpDrawingCatalog.h"

#include <QStringView>
#include <array>

#include "BodyPlanDrawings.h"
#include "FloweringDrawings.h"
#include "LegDrawings.h"
#include "PlantBodyDrawings.h"
#include "PlantHabitatDrawings.h"
#include "ScaleDrawings.h"
#include "SkinHelpDrawings.h"
#include "SoftBodyDrawings.h"

namespace sylvenor::draw {

namespace {

struct Row {
  QStringView key;
  int index;
  HelpDrawingCatalog::Drawing drawing;
};

const std::array kRows{
    Row{u"frm2", 0, &SkinHelpDrawings::backbone},
    Row{u"frm2", 2, &SkinHelpDrawings::hair},
    Row{u"frm2", 3, &SkinHelpDrawings::feathers},
    Row{u"frm2", 4, &SkinHelpDrawings::bareSkin},
    Row{u"frm2", 5, &ScaleDrawings::joinedScales},
    Row{u"frm2", 6, &ScaleDrawings::overlappingScales},
    Row{u"frm2b", 0, &LegDrawings::jointedLeg},
    Row{u"frm2b", 2, &LegDrawings::manyPairs},
    Row{u"frm2b", 3, &LegDrawings::fourPairs},
    Row{u"frm2b", 4, &LegDrawings::threePairs},
    Row{u"frm2b", 5, &BodyPlanDrawings::leftAndRight},
    Row{u"frm2b", 12, &BodyPlanDrawings::noLeftNoRight},
    Row{u"frm2b", 6, &BodyPlanDrawings::onePairOfAntennae},
    Row{u"frm2b", 7, &BodyPlanDrawings::twoPairsOfAntennae},
    Row{u"frm2b", 8, &SoftBodyDrawings::shell},
    Row{u"frm2b", 9, &SoftBodyDrawings::noShell},
    Row{u"frm2b", 10, &SoftBodyDrawings::platesAndSpines},
    Row{u"frm2b", 11, &SoftBodyDrawings::noPlates},
    Row{u"frm3", 0, &FloweringDrawings::flowersOrSeeds},
    Row{u"frm3", 1, &FloweringDrawings::spores},
    Row{u"frm3", 2, &FloweringDrawings::seedsInFruit},
    Row{u"frm3", 3, &FloweringDrawings::nakedSeeds},
    Row{u"frm3", 4, &PlantBodyDrawings::stemsAndLeaves},
    Row{u"frm3", 5, &PlantBodyDrawings::noStemNoLeaf},
    Row{u"frm3", 6, &PlantHabitatDrawings::roots},
    Row{u"frm3", 7, &PlantHabitatDrawings::noRoots},
    Row{u"frm3", 8, &PlantHabitatDrawings::aquatic},
    Row{u"frm3", 9, &PlantHabitatDrawings::notAquatic},
};

}  // namespace

HelpDrawingCatalog::Drawing HelpDrawingCatalog::find(const QString& key, int index) {
  for (const Row& row : kRows) {
    if (row.key == key && row.index == index) {
      return row.drawing;
    }
  }
  return nullptr;
}

}  // namespace sylvenor::draw
