// The end of a comet's tail: the comet's heliocentric position carried on
// away from the Sun by a fraction of its distance. The sky views and the
// orbit views set their own limits on that fraction.
#pragma once

#include "ephemeris/vector.h"
#include "panel/halvane.h"

namespace halvane {

// (0.2 k^2 / 9) / (0.3 + 0.7 r): the tail's length as a fraction of the
// comet's distance r (AU) from the Sun, for brightness exponent k.
double tailLengthFactor(double k, double r);

// Keeps the end of comet i's tail, `factor` of its distance beyond it, in
// h.tailEnds (single precision) and returns it.
Xyz keepTailEnd(Halvane& h, int i, double factor);

}  // namespace halvane
