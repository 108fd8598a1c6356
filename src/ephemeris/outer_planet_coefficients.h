// Written by tools/outer-planet-fit/make-corrections: do not edit.
//
// Corrections to VSOP87 (libnova) for Uranus and Neptune, fitted by least
// squares to the Swiss Ephemeris 2.10.03-deb1 with its DE431-based files:
// heliocentric geometric positions in VSOP87's frame as the program places
// it, at 7378 dates every 10 days from 1899-07-01 18h to 2101-06-22 18h TT.
// Terms: t^power (cosine cos m L + sine sin m L), t in Julian centuries from
// J2000 TT held within the fitted dates, L the planet's mean longitude;
// longitude and latitude in arc seconds, distance in AU. Left at the fitted
// dates, largest (root mean square):
//   Uranus   longitude 0.333" (0.075"), latitude 0.026" (0.009"), distance 5.6e-06 AU (2.8e-06 AU);
//            without: 1.437", 0.067", 6.1e-05 AU largest.
//   Neptune  longitude 0.023" (0.007"), latitude 0.033" (0.019"), distance 2.7e-06 AU (7.4e-07 AU);
//            without: 2.069", 0.125", 5.7e-05 AU largest.
#pragma once

#include "ephemeris/correction_series.h"

namespace halvane::outer_planet_fit {

constexpr double firstFittedDate = 2414837.25;  // 1899-07-01 18h TT
constexpr double lastFittedDate = 2488607.25;  // 2101-06-22 18h TT

constexpr SeriesTerm uranusLongitude[]{
    {0, 0, 0.2632, 0},  // 1
    {1, 0, 0.2199, 0},  // t
    {2, 0, -0.4246, 0},  // t^2
    {0, 1, 0.0658, 0.7169},  // cos/sin L
    {1, 1, -0.4002, 0.9865},  // t cos/sin L
};
constexpr SeriesTerm uranusLatitude[]{
    {0, 1, -0.0283, 0.0475},  // cos/sin L
};
constexpr SeriesTerm uranusDistance[]{
    {0, 0, -4.6677e-06, 0},  // 1
    {1, 0, 5.2964e-06, 0},  // t
    {2, 0, 1.3438e-05, 0},  // t^2
    {0, 1, -3.2574e-05, -1.1625e-07},  // cos/sin L
    {1, 1, -3.9214e-05, -1.2656e-05},  // t cos/sin L
};
constexpr MeanLongitude uranusMeanLongitude{314.055005, 428.4669983};

constexpr SeriesTerm neptuneLongitude[]{
    {0, 0, -0.7930, 0},  // 1
    {1, 0, -1.0476, 0},  // t
    {2, 0, -0.2162, 0},  // t^2
    {0, 1, -0.2567, -0.3271},  // cos/sin L
    {1, 1, -0.0907, -0.2172},  // t cos/sin L
};
constexpr SeriesTerm neptuneLatitude[]{
    {0, 1, -0.1015, -0.0401},  // cos/sin L
};
constexpr SeriesTerm neptuneDistance[]{
    {0, 0, 8.8595e-06, 0},  // 1
    {1, 0, 3.0055e-06, 0},  // t
    {2, 0, 4.4315e-05, 0},  // t^2
    {0, 1, 3.4066e-05, -2.4752e-05},  // cos/sin L
    {1, 1, 2.9267e-05, 8.2584e-06},  // t cos/sin L
};
constexpr MeanLongitude neptuneMeanLongitude{304.348665, 218.4862002};

}  // namespace halvane::outer_planet_fit
