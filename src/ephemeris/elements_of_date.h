// The orbital elements that change with the date: the turning of the
// Earth's orbit against the equinox, Mercury's node and perihelion, the
// Moon's node and perigee, the long cycles of the Earth's eccentricity, and
// the comets' times since perihelion. Every function is given the moment Ti
// in tropical years since 19 August 1982, 0 h UT, and returns degrees in the
// ecliptic frame of the equinox of 2000 unless it says otherwise.
#pragma once

#include "ephemeris/day_count.h"
#include "ephemeris/orbital_elements.h"
#include "ephemeris/sky_positions.h"

namespace halvane {

// Mercury's node: 48.327 at 25 October 2003, 10 h UT, falling 0.002345577
// degrees a year.
double mercuryNodeDeg(double Ti);
// Mercury's perihelion: 77.462 at the same epoch, 574 arc seconds a century.
double mercuryPerihelionDeg(double Ti);

// The longitude of the vernal equinox of the date in the catalogue frame,
// which is also the node of the Earth's orbit: 0.2448 at day 0, one turn
// backwards in `saisa` years, between 0.2448 and 360.2448 (never reduced
// below 360).
double vernalEquinoxDeg(double Ti);

// The Earth's perihelion: 102.971 at 24 December 2002, one turn in
// `kintenshuuki` years, in [0, 360).
double earthPerihelionDeg(double Ti);

// The Earth's eccentricity: two slow cycles around 0.03 (about 0.0167 in 2020).
double earthEccentricity(double Ti);

// The Moon's node (one turn backwards in 18.6 years) and perigee (one turn
// in 8.85 years), in [0, 360).
double moonNodeDeg(double Ti);
double moonPerigeeDeg(double Ti);

// The Moon's mean eccentricity.
inline constexpr double moonEccentricity = 0.0548799;

// e10: the Moon's eccentricity swinging 0.011 with half the synodic month
// about its mean, the swing at its peak on 23 November 2003, 23 h UT.
double moonEccentricityOfDate(double Ti);

// Given: a comet's perihelion date (proleptic Gregorian, no time of day).
// Returns: its time since perihelion at day 0, tropical years (negative for
// a passage after day 0). The month start table is left built for `year`.
double cometPerihelionTimeYears(double year, double month, double day, MonthStartTable& monthStart);

// Writes all of the above into the element tables, in order, after the fixed
// point's distance from the Sun (its semi-major axis). The shared month start
// table ends up built for the perihelion year of the last comet.
void updateElements(OrbitalElements& elements, const HeliocentricPositions& positions, SkyPositions& sky,
                    MonthStartTable& monthStart, double Ti);

}  // namespace halvane
