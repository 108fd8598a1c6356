// Which bodies and orbits the orbit views draw.
#pragma once

#include "drawing/bodies_shown.h"

namespace halvane {

// Orbits smaller than half a picture unit are too small to see.
constexpr bool bigEnoughFor(double semiMajorAxis, double orbitScale) { return semiMajorAxis >= 0.5 / orbitScale; }

}  // namespace halvane
