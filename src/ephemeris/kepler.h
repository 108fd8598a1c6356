// One body on its Kepler orbit: the time since perihelion, the eccentric
// anomaly by halving, the point in the orbit plane and its turn into the
// heliocentric ecliptic frame of the equinox of 2000.
#pragma once

#include "ephemeris/vector.h"

namespace halvane {

// Rounds of the halving solver: comets need the finer answer.
inline constexpr int keplerRoundsComet = 60;
inline constexpr int keplerRounds = 25;

// Given: the eccentric anomaly at the epoch of the elements (degrees), the
// eccentricity and the period (tropical years). Returns: the time since
// perihelion at that epoch, tropical years (Kepler's equation, mean anomaly
// over mean motion).
double perihelionTimeYears(double epochAngleDeg, double eccentricity, double periodYears);

// Given: the epoch of an asteroid's elements, Julian Date. Returns: tropical
// years from day 0 to it.
double asteroidEpochYears(double epochJulianDate);

// Given: the time since perihelion at day 0 and the moment Ti (tropical
// years), and the period. Returns: the fraction of its period the body has
// gone since its last perihelion, [0, 1).
double orbitFraction(double perihelionTimeYears, double Ti, double periodYears);

// Given: a fraction of a turn of mean anomaly, the eccentricity and a number
// of rounds. Returns: the eccentric anomaly, degrees.
// Notes: Kepler's equation by halving from 180 with a step of 180 halved
// `rounds` times: within 180 / 2^rounds degrees of the solution (5e-6 degrees
// at 25 rounds), never outside [0, 360].
double eccentricAnomalyDeg(double fraction, double eccentricity, int rounds);

// Given: semi-major axis (AU), eccentricity, eccentric anomaly (degrees).
// Returns: the point in the orbit plane, AU, x towards perihelion.
Xyz orbitPlanePoint(double semiMajorAxis, double eccentricity, double eccentricAnomalyDeg);

// Given: an orbit-plane point (AU), the argument of perihelion, the
// inclination and the node longitude (degrees). Returns: the point turned by
// the argument of perihelion, tilted by the inclination about the node line
// and turned by the node longitude: heliocentric ecliptic, AU.
Xyz eclipticPoint(const Xyz& inPlane, double argumentOfPerihelionDeg, double inclinationDeg, double nodeDeg);

}  // namespace halvane
