// The Moon's direction from the Earth: its Kepler orbit around the Earth
// moved along in longitude by an empirical correction.
#pragma once

#include "ephemeris/vector.h"

namespace halvane {

// Given: the moment Ti (tropical years since day 0, UT). Returns: the
// correction subtracted from the Moon's Kepler longitude, degrees (at most
// about 1.55).
// Notes: an empirical fit with periods of 411.92 and 3231 days; measured
// against the real sky of 2017-2023 the corrected Moon is within 0.2 degrees
// at new moon but up to 2.7 degrees off at full moon.
double moonLongitudeCorrectionDeg(double Ti);

struct MoonDirection {
    double longitudeDeg = 0;  // corrected, not wrapped again
    double longitudeRad = 0;
    double latitudeRad = 0;
    Xyz geocentric;  // the corrected position, AU from the Earth
};

// Given: the Moon's Kepler position relative to the Earth (ecliptic, equinox
// of 2000, AU) and the moment Ti. Returns: its corrected direction and
// position.
// Notes: the corrected position lays the Moon's whole distance along the
// corrected longitude in the plane of the ecliptic and keeps its height
// above that plane.
MoonDirection correctedMoon(const Xyz& geocentric, double Ti);

}  // namespace halvane
