// The step between the two time scales the astronomy meets: Universal Time,
// in which the program counts its moments, and Terrestrial Time, in which
// the planetary and lunar theories run.
#pragma once

namespace halvane {

// Given: a moment as a decimal year (UT). Returns: Delta T = TT - UT,
// seconds.
// Notes: from 1900 to 2025 the observed values at five-year steps (IERS,
// Astronomical Almanac), linearly interpolated: within about half a second.
// Before 1900 the long-term parabola of Morrison & Stephenson (2004),
// -20 + 32 u^2 s with u = (year - 1820) / 100, shifted to meet the table,
// the shift fading out over a century: about ten minutes off in the year
// 1000 (some 5 arc minutes of the Moon's motion). After 2025, where Delta T has
// stayed near 69 s since 2017, the last value, flat at first and rising with
// the parabola's curvature: 69.2 + 32 v^2 s with v = (year - 2025) / 100,
// 69.5 s in 2035, 71 s in 2050, 87 s in 2100. An estimate: the Earth's
// rotation cannot be foretold to better than some seconds a decade ahead.
double deltaTSeconds(double year);

}  // namespace halvane
