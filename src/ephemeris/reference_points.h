// The reference points of the sky as seen from the Earth (equinoxes,
// solstices, celestial and ecliptic poles) and the tilt of the Earth's axis.
#pragma once

#include "ephemeris/sky_positions.h"

namespace halvane {

// katamuki. Given: the moment Ti. Returns: the obliquity of the Earth's axis,
// degrees, swinging between 22 and 24.5 over 41000 years, at its mean in
// the year 3012.
double katamukiDeg(double Ti);

// Given: the moment Ti. Writes entries 91 to 98 of the direction tables
// (ecliptic, equinox of 2000) and `katamuki`.
// Notes: the equinoxes and solstices get a longitude in degrees and radians
// and latitude 0; the four poles (93, 94, 97, 98) get their longitude in
// radians only.
void earthViewStep(SkyPositions& sky, double Ti);

}  // namespace halvane
