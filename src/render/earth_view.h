// The reference points of the sky and the tilt of the Earth's axis, placed
// when the Earth is the viewpoint.
#pragma once

#include "data/sky_positions.h"

namespace halvane {

// Obliquity of the Earth's axis, degrees: between 22 and 24.5 over 41000
// years.
double katamukiDeg(double Ti);

// Adds 360 to a negative longitude.
double wrappedDeg(double longitudeDeg);

// Entries 91 to 98 (equinoxes, poles, solstices, ecliptic poles) and
// `katamuki`. The poles get a longitude in radians only.
void earthViewStep(SkyPositions& sky, double Ti);

}  // namespace halvane
