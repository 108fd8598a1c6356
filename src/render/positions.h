// Where every body is at the moment of the pass and where it lies as seen
// from the viewpoint.
#pragma once

#include <vector>

#include "panel/halvane.h"

namespace halvane {

// Heliocentric positions of bodies 0 to 30 at `Ti`, with their times since
// perihelion, eccentric anomalies and orbit-plane points; the Moon's
// corrected direction from the Earth; r03 and r10. A period of 0 becomes 1.
void placeBodies(BodyTables& bodies, SkyPositions& sky, double Ti);

// The whole position computation of a pass: placeBodies, the viewpoint's
// position (rounded down to 4 decimals) into Text17 to Text19, which makes it
// the fixed point, then the directions from the viewpoint. Returns the bodies
// that received a direction from the viewpoint.
std::vector<int> computePositions(Halvane& h);

}  // namespace halvane
