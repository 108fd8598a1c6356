// The end of a comet's tail: the comet's heliocentric position carried on
// away from the Sun by a fraction of its distance. The sky views and the
// orbit views set their own limits on that fraction; the pass keeps the tail
// ends in the form for the drawing to read.
#pragma once

#include "ephemeris/body_index.h"

namespace halvane {

// (0.2 k^2 / 9) / (0.3 + 0.7 r): the tail's length as a fraction of the
// comet's distance r (AU) from the Sun, for brightness exponent k.
double tailLengthFactor(double k, double r);

// The pseudo-body that stands for the end of comet i's tail: i + 20.
constexpr int cometTailRow(int i) { return i + body::FirstTailEnd - body::FirstComet; }

}  // namespace halvane
