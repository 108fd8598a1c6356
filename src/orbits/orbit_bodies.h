// Where every body is on the orbit views at the moment of the pass: comet
// tails, a yellow dot and the name of each body in a size that grows as it
// comes nearer the viewer, the Sun in the middle of each picture, then the
// direction rays, the equinox label and the 2-Orbit captions.
#pragma once

#include "orbits/orbit_projection.h"
#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// Font size of a label at depth D in a picture: labelSize - 4 far behind the
// Sun up to labelSize + 3 well in front of it, in steps of the picture's
// half width w = (ae + shift) / (1100 x orbitScale).
double orbitLabelSize(const OrbitView& view, const OrbitPicture& picture, double D);

// Draws all of it; a Sequential run first falls back to the orbits kept from
// its first pass, and in the x-times mode every name is followed by the
// pass number `passCounter`.
void drawOrbitBodies(const Halvane& h, const OrbitView& view, int passCounter, Surface& surface);

}  // namespace halvane
