#include "app/activation.h"

#include "data/catalogue_conversion.h"
#include "data/star_catalogue.h"

namespace halvane {

void loadCatalogue(Halvane& h, Messages& messages)
{
    readStarCatalogue(h.stars, h.strParent, messages);
    convertToEcliptic(h.stars);
}

void firstActivation(Halvane& h, DrawPorts ports, Messages& messages)
{
    openingScreen(h, ports, [&] { loadCatalogue(h, messages); });
}

}  // namespace halvane
