// The sky of an observer on the Earth: where the place stands in space,
// the Earth's rotation at a moment, and the turn from the ICRS equator
// (the catalogue's J2000 equator) into the place's horizon.
#pragma once

#include "ephemeris/vector.h"
#include "util/earth_place.h"

namespace halvane {

// A moment as ERFA takes it: a Julian Date in two parts, day0 + days, once
// in UT and once in TT.
struct ErfaDates {
    double day0 = 0;
    double utDays = 0, ttDays = 0;
};

// Given: the moment Ti (tropical years since day 0, UT). Returns: its
// Julian Dates, day0 the Julian Date of day 0.
// Notes: TT = UT + Delta T (deltaTSeconds).
ErfaDates erfaDates(double Ti);

// Given: the moment Ti (tropical years since day 0, UT). Returns: Greenwich
// mean sidereal time (eraGmst06) and Greenwich apparent sidereal time
// (eraGst06a), radians in [0, 2 p0).
// Notes: UT1 is taken as UT (they differ by under 0.9 s, 13 arc seconds of
// the turn); TT is UT + Delta T (deltaTSeconds).
double greenwichMeanSiderealTime(double Ti);
double greenwichApparentSiderealTime(double Ti);

// Given: a place. Returns: its geocentric position in the Earth's own
// frame (ITRS: z to the north pole, x to the meridian of Greenwich), metres.
// Notes: WGS84 (eraGd2gc). The place's numbers are taken as they are; the
// command line keeps them within their ranges.
Xyz terrestrialPosition(const EarthPlace& place);

struct HorizontalAngles {
    double altitude = 0;  // radians above the horizon, -p0/2 to p0/2
    double azimuth = 0;  // radians from north through east, [0, 2 p0)
};

// The sky of one place at one moment: the turn from ICRS-aligned
// equatorial directions (the catalogue's J2000 equator, GCRS) to the
// place's horizon, and the observer's geocentric position.
class ObserverSky {
public:
    // Given: a place and a moment Ti (UT).
    // Notes: the turn is ERFA's celestial-to-terrestrial matrix (eraC2t06a:
    // precession-nutation IAU 2006/2000A, the Earth rotation angle, no polar
    // motion) followed by the place's local east, north and up. Directions
    // are geometric: no aberration, no refraction.
    ObserverSky(const EarthPlace& place, double Ti);

    // Given: a direction in the ICRS-aligned equator (any length).
    // Returns: its altitude and azimuth at the place.
    HorizontalAngles horizontal(const Xyz& icrsDirection) const;

    // Returns: the observer's geocentric position in the ICRS-aligned
    // equator (GCRS), AU; subtracted from a geocentric position it gives
    // the topocentric one.
    const Xyz& position() const { return position_; }

private:
    Xyz east_, north_, up_;  // the horizon's axes in the ICRS-aligned equator
    Xyz position_;
};

}  // namespace halvane
