// The step between the two time scales the astronomy meets: Universal Time,
// in which the program counts its moments, and Terrestrial Time, in which
// the planetary and lunar theories run.
#pragma once

namespace halvane {

// Given: a moment as a decimal year (UT). Returns: Delta T = TT - UT,
// seconds.
// Notes: from 1900 to 2025 the observed values at five-year steps (IERS,
// Astronomical Almanac), linearly interpolated: within about half a second.
// Outside that span the long-term parabola of Morrison & Stephenson (2004),
// -20 + 32 u^2 s with u = (year - 1820) / 100, shifted to meet the end of the
// table, the shift fading out over a century. Away from the table this is
// an estimate: tens of seconds off a century away, about ten minutes in the
// year 1000 (some 5 arc minutes of the Moon's motion).
double deltaTSeconds(double year);

}  // namespace halvane
