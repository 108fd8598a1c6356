// The first transform of a sky view: a body's ecliptic direction into the
// frame of the display mode, from where the star field's view-centred
// transform turns it into angles around the aim point.
#pragma once

#include "panel/halvane.h"

namespace halvane {

// Angles in the frame of the display mode, radians: right ascension and
// declination, or ecliptic longitude and latitude.
struct DisplayAngles {
    double A = 0;
    double D = 0;
};

// The rotation that turns ecliptic angles into the display frame: -23.44
// degrees (to equatorial) in Sky-equatorial and Zodiac, 0 in the others.
double displayObliquityRad(int selec);

// Ecliptic angles turned about the x axis by `obliquityRad`. A lies between
// -p0/2 and 3 p0/2 and is not reduced further.
DisplayAngles eclipticToDisplayFrame(double longitudeRad, double latitudeRad, double obliquityRad);

}  // namespace halvane
