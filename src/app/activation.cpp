#include "app/activation.h"

#include "startup/startup.h"

namespace halvane {

void firstActivation(Halvane& h, DrawPorts ports, Messages& messages)
{
    openingScreen(h, ports, [&] { loadCatalogue(h, messages); });
}

}  // namespace halvane
