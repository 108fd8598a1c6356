// The transforms of a sky view: a body's ecliptic direction into the frame
// of the display mode and from there into angles around the aim point (the
// star field's view-centred transform), and the aim point into the other
// frame for the panel.
#pragma once

#include "ephemeris/vector.h"
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

// For body rows 0 to 40 and 91 to 98: copies the body's ecliptic direction
// into the row's ecliptic columns and writes its view-centred angles in the
// frame of the display mode. Other rows are left alone.
void displayFrameTransform(Halvane& h, int row);

// The direction on the screen (radians, x to the right, y downwards) in
// which a point seen along `sight` moves when it moves a little towards
// `towards` (ecliptic vectors): where a planet's pole points from its centre,
// in the frame and around the aim point of the display mode. 0 when
// `towards` lies along the sight line.
double screenAngleTowards(const Halvane& h, const Xyz& sight, const Xyz& towards);

// Reads the aim point from Text1 and Text2 into b1 and b2 and shows it in the
// other frame in Text11 and Text12 (equatorial into ecliptic in the modes
// Sky-equatorial and Zodiac, ecliptic into equatorial otherwise).
void companionReadout(Halvane& h);

}  // namespace halvane
