// Where every body is at the moment of a pass: the Kepler orbits of the
// planets, the Moon, the comets and the asteroids, in the heliocentric
// ecliptic frame of the equinox of 2000.
#pragma once

#include "ephemeris/orbital_elements.h"
#include "ephemeris/sky_positions.h"

namespace halvane {

// Given: the elements of the date and the moment Ti (tropical years since
// 19 August 1982, 0 h UT). Writes: the heliocentric positions of bodies 0 to
// 30 (AU) with their times since perihelion, eccentric anomalies and
// orbit-plane points; the Moon's corrected direction from the Earth; r03 and
// r10; the Moon's distance from the Sun into its semi-major axis entry.
// Notes: a period of 0 becomes 1. Measured against the real sky of
// 2017-2023: the inner planets within about 0.2 degrees, the outer planets
// within 1 to 2.3 degrees at opposition, Ceres within 0.5 degrees.
void placeBodies(OrbitalElements& elements, HeliocentricPositions& positions, SkyPositions& sky, double Ti);

// Given: the Moon's position from the Earth (AU) and the Earth's heliocentric
// position. Returns: the Moon's heliocentric position. Writes: r10 and the
// Moon's distance from the Sun into its semi-major axis entry.
Xyz heliocentricMoon(OrbitalElements& elements, const HeliocentricPositions& positions, SkyPositions& sky,
                     const Xyz& geocentric);

// Given: the Earth's elements and position. Returns: r03, the Earth's
// distance from the Sun over its semi-major axis.
double earthDistanceRatio(const OrbitalElements& elements, const HeliocentricPositions& positions);

}  // namespace halvane
