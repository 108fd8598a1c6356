// Comet tails on the orbit views: a straight line from each comet away from
// the Sun, longer near the Sun and for comets that brighten steeply.
#pragma once

#include "orbits/orbit_projection.h"
#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// The tail's length as a fraction of the comet's distance r (AU) from the
// Sun, for brightness exponent k: (0.2 k^2 / 9) / (0.3 + 0.7 r); none
// beyond 20 AU.
double orbitTailFactor(double k, double r);

// For the comets the "bodies shown" box lets through: draws the tail from
// the comet to the tail end the pass kept in h.tailEnds, in one picture, pen
// width 3, RGB(50, 50, 60).
void drawOrbitTails(const Halvane& h, const OrbitView& view, const OrbitPicture& picture, Surface& surface);

}  // namespace halvane
