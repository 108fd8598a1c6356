// The orbital elements that change with the date: the turning of the
// Earth's orbit against the equinox, Mercury's node and perihelion, the
// Moon's node and perigee, the long cycles of the Earth's eccentricity, and
// the comets' times since perihelion. Angles in degrees, Ti in tropical years
// since day 0.
#pragma once

#include "data/body_tables.h"
#include "data/sky_positions.h"
#include "render/day_count.h"

namespace halvane {

// 360 x frac(v / 360): v brought into [0, 360).
double normalisedDeg(double v);

double mercuryNodeDeg(double Ti);
double mercuryPerihelionDeg(double Ti);  // 574 arc seconds per century

// The longitude of the vernal equinox of the date in the catalogue frame,
// which is also the node of the Earth's orbit: one turn backwards in `saisa`
// years, from 0.2448 up to 360.2448 (never reduced below 360).
double vernalEquinoxDeg(double Ti);

double earthPerihelionDeg(double Ti);  // one turn in `kintenshuuki` years
double earthEccentricity(double Ti);   // about 0.0167 in 2020

double moonNodeDeg(double Ti);
double moonPerigeeDeg(double Ti);
inline constexpr double moonEccentricity = 0.0548799;

// The Moon's eccentricity swinging with twice the synodic month (e10).
double moonEccentricityOfDate(double Ti);

// Time since perihelion at day 0, tropical years, of a comet whose perihelion
// passage fell on the given date (negative for a passage after day 0). The
// month start table is left built for `year`.
double cometPerihelionTimeYears(double year, double month, double day, MonthStartTable& monthStart);

// All of the above into the tables, in order; the fixed point's distance from
// the Sun first. The shared month start table ends up built for the
// perihelion year of the last comet.
void updateElements(BodyTables& bodies, SkyPositions& sky, MonthStartTable& monthStart, double Ti);

}  // namespace halvane
