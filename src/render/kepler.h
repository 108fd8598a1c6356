// One body on its Kepler orbit: time since perihelion, the eccentric anomaly
// by halving, the point in the orbit plane and its turn into the ecliptic.
#pragma once

namespace halvane {

struct Xyz {
    double x = 0, y = 0, z = 0;
};

double length(const Xyz& p);

// Rounds of the halving solver: comets need the finer answer.
inline constexpr int keplerRoundsComet = 60;
inline constexpr int keplerRounds = 25;

// Time since perihelion at the epoch of the elements, tropical years, of a
// body whose eccentric anomaly at that epoch was `epochAngleDeg`.
double perihelionTimeYears(double epochAngleDeg, double eccentricity, double periodYears);

// Tropical years from day 0 to the epoch of an asteroid's elements.
double asteroidEpochYears(double epochJulianDate);

// The fraction of its period a body has gone since perihelion at Ti.
double orbitFraction(double perihelionTimeYears, double Ti, double periodYears);

// Kepler's equation by halving: the eccentric anomaly in degrees whose mean
// anomaly is `fraction` of a turn, starting from 180 with a step of 180
// halved `rounds` times. It ends within 180 / 2^rounds of the solution and
// never leaves [0, 360].
double eccentricAnomalyDeg(double fraction, double eccentricity, int rounds);

// The point at eccentric anomaly E in the orbit plane, x towards perihelion.
Xyz orbitPlanePoint(double semiMajorAxis, double eccentricity, double eccentricAnomalyDeg);

// The orbit-plane point turned by the argument of perihelion, tilted by the
// inclination about the node line and turned by the node longitude.
Xyz eclipticPoint(const Xyz& inPlane, double argumentOfPerihelionDeg, double inclinationDeg, double nodeDeg);

}  // namespace halvane
