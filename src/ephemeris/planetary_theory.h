// The Earth, the planets, Pluto and the Moon from full analytical theories:
// ERFA's eraEpv00 for the Earth and, from libnova, VSOP87 for Mercury to
// Neptune, the Chapront/Meeus series for Pluto and ELP 2000-82B for the
// Moon, turned into the program's ecliptic frame.
#pragma once

#include "ephemeris/vector.h"

namespace halvane {

// Given: a Julian Date in Terrestrial Time and a body index, Mercury to
// Pluto. Returns: the body's heliocentric position, AU, in the catalogue's
// frame (the ICRS equator turned into the ecliptic by 23.44 degrees).
// Notes: eraEpv00 gives the ICRS equator itself. VSOP87 is referred to the
// ecliptic and equinox of J2000, turned to the ICRS equator by the J2000
// obliquity (84381.448 arc seconds) and the frame bias; its Uranus and
// Neptune get the corrections fitted to DE431 over 1900 to 2100
// (outer_planet_corrections.h). Pluto's series is made for 1885 to 2099
// and runs away outside it.
Xyz heliocentricFromTheory(double julianDateTt, int body);

// Given: a Julian Date in Terrestrial Time. Returns: the Moon's geocentric
// position, AU, in the catalogue's frame (ELP 2000-82B, terms down to
// 1e-8 of the series' units, within 0.11 arc seconds of the whole series).
Xyz geocentricMoonFromTheory(double julianDateTt);

}  // namespace halvane
