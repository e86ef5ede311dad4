#include "ConiferAndFernDrawings.h"

#include "AleppoPineDrawing.h"
#include "BrackenDrawing.h"
#include "DrawingCatalog.h"
#include "HartsTongueDrawing.h"
#include "MaleFernDrawing.h"
#include "OakDrawing.h"
#include "PoppyDrawing.h"
#include "ScotsPineDrawing.h"
#include "SpruceDrawing.h"
#include "YewDrawing.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&ConiferAndFernDrawings::addTo);

}  // namespace

void ConiferAndFernDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("pin-sylvestre", &ScotsPineDrawing::paint);
  catalog.add("epicea-commun", &SpruceDrawing::paint);
  catalog.add("if-commun", &YewDrawing::paint);
  catalog.add("pin-d-alep", &AleppoPineDrawing::paint);
  catalog.add("fougere-aigle", &BrackenDrawing::paint);
  catalog.add("fougere-male", &MaleFernDrawing::paint);
  catalog.add("langue-de-cerf", &HartsTongueDrawing::paint);
  catalog.add("chene-pedoncule", &OakDrawing::paint);
  catalog.add("coquelicot", &PoppyDrawing::paint);
}

}  // namespace sylvenor::draw
