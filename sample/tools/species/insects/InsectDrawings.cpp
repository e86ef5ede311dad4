#include "InsectDrawings.h"

#include "DrawingCatalog.h"
#include "SevenSpotLadybird.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&InsectDrawings::addTo);

}  // namespace

void InsectDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("coccinelle-a-7-points", &SevenSpotLadybird::paint);
}

}  // namespace sylvenor::draw
