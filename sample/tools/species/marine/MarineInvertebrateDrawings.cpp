#include "MarineInvertebrateDrawings.h"

#include "BrittleStarPainter.h"
#include "CommonStarfishPainter.h"
#include "CuttlefishPainter.h"
#include "DrawingCatalog.h"
#include "HydraPainter.h"
#include "MoonJellyPainter.h"
#include "MusselPainter.h"
#include "RedCoralPainter.h"
#include "RedStarfishPainter.h"
#include "ScallopPainter.h"
#include "SeaAnemonePainter.h"
#include "SeaUrchinPainter.h"

namespace sylvenor::draw {
namespace {

const bool registered = DrawingCatalog::registerFamily(&MarineInvertebrateDrawings::addTo);

}  // namespace

void MarineInvertebrateDrawings::addTo(DrawingCatalog& catalog) {
  catalog.add("hydre-d-eau-douce", &HydraPainter::paint);
  catalog.add("tomate-de-mer", &SeaAnemonePainter::paint);
  catalog.add("meduse-aurelie", &MoonJellyPainter::paint);
  catalog.add("corail-rouge", &RedCoralPainter::paint);
  catalog.add("etoile-de-mer-commune", &CommonStarfishPainter::paint);
  catalog.add("etoile-de-mer-rouge", &RedStarfishPainter::paint);
  catalog.add("oursin-violet", &SeaUrchinPainter::paint);
  catalog.add("ophiure-fragile", &BrittleStarPainter::paint);
  catalog.add("moule-commune", &MusselPainter::paint);
  catalog.add("seiche-commune", &CuttlefishPainter::paint);
  catalog.add("coquille-saint-jacques", &ScallopPainter::paint);
}

}  // namespace sylvenor::draw
