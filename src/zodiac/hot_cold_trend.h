// The long-term trend of the Earth's climate: warmer with a steeper axis, a
// rounder orbit, and a northern summer near perihelion.
#pragma once

#include <string>

namespace halvane {

// Given the obliquity of the axis `katamukiDeg`, the Earth's eccentricity
// `e`, the longitude of the vernal equinox of the date `equinoxDeg` and of
// the Earth's perihelion `perihelionDeg` (degrees, equinox of 2000).
// Returns the index rounded down to tenths; around +-1 over the cycles.
double hotColdTrend(double katamukiDeg, double e, double equinoxDeg, double perihelionDeg);

// "寒暖程度 Trend of Hot/Cold +0.3" (a "+" only above 0; a negative index
// keeps its own minus sign), the same in both languages.
std::string hotColdLine(double trend);

}  // namespace halvane
