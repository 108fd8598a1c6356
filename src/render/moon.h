// The Moon's direction from the Earth: its Kepler orbit around the Earth
// moved along in longitude by an empirical correction.
#pragma once

#include "render/kepler.h"

namespace halvane {

// The correction subtracted from the Moon's Kepler longitude, degrees.
double moonLongitudeCorrectionDeg(double Ti);

struct MoonDirection {
    double longitudeDeg = 0;  // corrected, not wrapped again
    double longitudeRad = 0;
    double latitudeRad = 0;
    Xyz geocentric;           // the corrected position, AU from the Earth
};

// The Moon's corrected direction and position from its Kepler position
// `geocentric`. The corrected position lays the Moon's whole distance along
// the corrected longitude in the plane of the ecliptic and keeps its height
// above that plane.
MoonDirection correctedMoon(const Xyz& geocentric, double Ti);

}  // namespace halvane
