// The astronomical constants and the program's own value of pi.
#pragma once

namespace halvane {

// Pi as the program computes with it everywhere (12 decimals, on purpose).
inline constexpr double p0 = 3.14159265359;
// Degrees per radian.
inline constexpr double p1 = 360.0 / (2.0 * p0);

inline constexpr int saisa = 25868;                  // period of precession, years
inline constexpr double taiyounenniti = 365.24219029;  // days of the tropical year
inline constexpr int kintenshuuki = 23000;           // period of the perihelion cycle, years
inline constexpr double kouseinen = 1.0 + 1.0 / saisa;               // sidereal year, tropical years
inline constexpr double kintennen = kouseinen + 1.0 / kintenshuuki;  // anomalistic year
inline constexpr double sakuboutuki = 29.530589;      // synodic month, days

// The Moon's semi-major axis, astronomical units.
inline constexpr double a10 = 1.1 / 400.0;

// -23.44 degrees in radians: the rotation from equatorial to ecliptic angles.
inline constexpr double negativeObliquity = (-23.44 / 180.0) * p0;

}  // namespace halvane
