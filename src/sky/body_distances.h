// How far a body is from the observer and from the Sun: what sizes its disc,
// its glow, its brightness and its label.
#pragma once

#include "ephemeris/vector.h"
#include "panel/halvane.h"

namespace halvane {

// AU from the viewpoint to body `i`.
double distanceFromViewpoint(const Halvane& h, int i);

// AU from the Sun to body `i`.
double distanceFromSun(const Halvane& h, int i);

// sqrt(b3 / 20 / d): how a size or brightness seen at magnification 20 from
// 1 AU grows with the magnification and the nearness. 0 when d is 0.
double nearnessScale(double b3, double d);

}  // namespace halvane
