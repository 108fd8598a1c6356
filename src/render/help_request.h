// The "Exp." button: the help screen in the language the panel shows.
#pragma once

#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// Reads the language box into `je`, stops a running animation (t99), sets
// the repeat mode variable to Single (the box keeps its text) and draws the
// help screen.
void helpRequest(Halvane& h, Surface& surface);

}  // namespace halvane
