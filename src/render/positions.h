// The position computation of a pass: every body placed for the moment of
// the pass, the viewpoint shown as the fixed point, and every body's
// direction from the viewpoint.
#pragma once

#include <vector>

#include "panel/halvane.h"

namespace halvane {

// The bodies placed for the pass's moment by the form's position model, the
// viewpoint's position (rounded down to 4 decimals) into Text17 to Text19,
// which makes it the fixed point, then the directions from the viewpoint,
// also written to the ecliptic columns of the bodies' star table rows. Returns the bodies that received a direction.
std::vector<int> computePositions(Halvane& h);

}  // namespace halvane
