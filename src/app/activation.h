// What happens when the main form is activated for the first time.
#pragma once

#include "charts/opening_screen.h"
#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

// Reads the star catalogue and gives every star, named star and line end
// point its ecliptic angles. Ends the program (ProgramEnd) when the
// catalogue is missing or broken.
void loadCatalogue(Halvane& h, Messages& messages);

// The opening screen, with the catalogue loaded while it shows.
void firstActivation(Halvane& h, DrawPorts ports, Messages& messages);

}  // namespace halvane
