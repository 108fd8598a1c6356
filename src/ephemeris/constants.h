// The program's own value of pi and the constants every astronomical step
// shares: the epoch of its time scale, the lengths of the year and month, and
// the periods of the slow turns of the Earth's axis and orbit.
#pragma once

namespace halvane {

// Pi as the program computes with it everywhere (12 decimals, on purpose).
inline constexpr double p0 = 3.14159265359;
// Degrees per radian, 360 / (2 p0).
inline constexpr double p1 = 360.0 / (2.0 * p0);

// Day zero of the time scale: 19 August 1982, 0 h UT.
inline constexpr double dayZeroFromYearOne = 723775;  // days from 1 January of year 1
inline constexpr double dayZeroJulianDate = 2445200.5;
// Day zero as a decimal year.
inline constexpr double dayZeroYear = 1982 + 230 / 365.0;

// taiyounenniti: days of the tropical year, the unit of the moment Ti.
inline constexpr double taiyounenniti = 365.24219029;
// saisa: years of one turn of the equinox (precession).
inline constexpr int saisa = 25868;
// kintenshuuki: years of one turn of the Earth's perihelion against the equinox.
inline constexpr int kintenshuuki = 23000;
// kouseinen: the sidereal year, tropical years.
inline constexpr double kouseinen = 1.0 + 1.0 / saisa;
// kintennen: the anomalistic year, tropical years.
inline constexpr double kintennen = kouseinen + 1.0 / kintenshuuki;
// sakuboutuki: the synodic month, days.
inline constexpr double sakuboutuki = 29.530589;

// a10: the Moon's mean distance from the Earth, AU.
inline constexpr double a10 = 1.1 / 400.0;

// -23.44 degrees in radians: the turn from equatorial to ecliptic angles
// about the equinox line (the obliquity of the catalogue's frame, negated).
inline constexpr double negativeObliquity = (-23.44 / 180.0) * p0;

}  // namespace halvane
