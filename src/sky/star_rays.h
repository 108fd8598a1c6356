// The rays of the brightest stars: diagonal pairs of growing width and, for
// the largest, a straight cross.
#pragma once

#include "surface/surface.h"

namespace halvane {

// Draws, in the fore colour, the rays of a star of `starSize` dot steps
// centred on (starX, starY) twips: none up to size 6, then more pairs as
// the size passes 15, 30 and 150. `cross` (0 to 4) scales them. Leaves the
// pen width as the last pair set it.
void drawStarRays(Surface& surface, double starX, double starY, double starSize, int cross);

}  // namespace halvane
