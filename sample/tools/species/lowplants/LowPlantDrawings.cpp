#include "LowPlantDrawings.h"

#include "DrawingCatalog.h"
#include "FucusDrawing.h"
#include "FunariaDrawing.h"
#include "KelpDrawing.h"
#include "MapLichenDrawing.h"
#include "PolytrichumDrawing.h"
#include "SeaLettuceDrawing.h"
#include "SphagnumDrawing.h"
#include "UsneaDrawing.h"
#include "XanthoriaDrawing.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&LowPlantDrawings::addTo);

}  // namespace

void LowPlantDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("polytric-commun", &PolytrichumDrawing::paint);
  catalog.add("funaire-hygrometrique", &FunariaDrawing::paint);
  catalog.add("sphaigne", &SphagnumDrawing::paint);
  catalog.add("fucus-vesiculeux", &FucusDrawing::paint);
  catalog.add("laminaire-digitee", &KelpDrawing::paint);
  catalog.add("laitue-de-mer", &SeaLettuceDrawing::paint);
  catalog.add("xanthorie-des-murailles", &XanthoriaDrawing::paint);
  catalog.add("usnee-barbue", &UsneaDrawing::paint);
  catalog.add("lichen-geographique", &MapLichenDrawing::paint);
}

}  // namespace sylvenor::draw
