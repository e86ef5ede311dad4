#include "ArthropodDrawings.h"

#include "BandedCentipede.h"
#include "BrownShrimp.h"
#include "DrawingCatalog.h"
#include "Earthworm.h"
#include "GardenSpider.h"
#include "Lugworm.h"
#include "MedicinalLeech.h"
#include "PillMillipede.h"
#include "SheepTick.h"
#include "ShoreCrab.h"
#include "StoneCentipede.h"
#include "WhiteLeggedMillipede.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&ArthropodDrawings::addTo);

}  // namespace

void ArthropodDrawings::addTo(DrawingCatalog& catalog) {
  // The classes of this family live in a namespace of their own, clear of the other families.
  catalog.add("lithobie", &arthropods::StoneCentipede::paint);
  catalog.add("glomeris", &arthropods::PillMillipede::paint);
  catalog.add("scolopendre-ceinturee", &arthropods::BandedCentipede::paint);
  catalog.add("iule-a-pattes-blanches", &arthropods::WhiteLeggedMillipede::paint);
  catalog.add("epeire-diademe", &arthropods::GardenSpider::paint);
  catalog.add("tique-du-mouton", &arthropods::SheepTick::paint);
  catalog.add("crabe-vert", &arthropods::ShoreCrab::paint);
  catalog.add("crevette-grise", &arthropods::BrownShrimp::paint);
  catalog.add("lombric", &arthropods::Earthworm::paint);
  catalog.add("sangsue-medicinale", &arthropods::MedicinalLeech::paint);
  catalog.add("arenicole", &arthropods::Lugworm::paint);
}

}  // namespace sylvenor::draw
