// What happens when the main form is activated for the first time.
#pragma once

#include "animation/opening_screen.h"
#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

// The opening screen, with the catalogue loaded while it shows.
void firstActivation(Halvane& h, DrawPorts ports, Messages& messages);

}  // namespace halvane
