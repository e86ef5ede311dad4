#include "VertebrateDrawings.h"

#include "DrawingCatalog.h"
#include "FreshwaterFishDrawings.h"
#include "LizardDrawings.h"
#include "SalamanderDrawing.h"
#include "SeaFishDrawings.h"
#include "SnakeDrawings.h"
#include "TortoiseDrawing.h"
#include "TreeFrogDrawing.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&VertebrateDrawings::addTo);

}  // namespace

void VertebrateDrawings::addTo(DrawingCatalog& catalog) {
  LizardDrawings::addTo(catalog);
  SnakeDrawings::addTo(catalog);
  TortoiseDrawing::addTo(catalog);
  TreeFrogDrawing::addTo(catalog);
  SalamanderDrawing::addTo(catalog);
  FreshwaterFishDrawings::addTo(catalog);
  SeaFishDrawings::addTo(catalog);
}

}  // namespace sylvenor::draw
