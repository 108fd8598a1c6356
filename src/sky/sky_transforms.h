// The first transform of a sky view: a body's ecliptic direction into the
// frame of the display mode, from where the star field's view-centred
// transform turns it into angles around the aim point; and the direction
// on the screen in which a planet's pole points.
#pragma once

#include "ephemeris/vector.h"
#include "panel/halvane.h"
#include "sky/view_centred.h"

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

// The view-centred transform of the catalogue's stars and constellation
// lines for the pass: around the aim point b1, b2, with the pass's
// aberration turned into the display frame when the bodies carry one.
ViewCentring starCentring(const Halvane& h);

// The direction on the screen (radians, x to the right, y downwards) in
// which a point seen along `sight` moves when it moves a little towards
// `towards` (ecliptic vectors): where a planet's pole points from its centre,
// in the frame and around the aim point of the display mode. 0 when
// `towards` lies along the sight line.
double screenAngleTowards(const Halvane& h, const Xyz& sight, const Xyz& towards);

}  // namespace halvane
