#include "app/activation.h"

#include "data/catalogue_conversion.h"
#include "data/star_catalogue.h"

namespace halvane {

void firstActivation(Halvane& h, Messages& messages)
{
    readStarCatalogue(h.stars, h.strParent, messages);
    convertToEcliptic(h.stars);
}

}  // namespace halvane
