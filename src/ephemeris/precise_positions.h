// Two ways to place the bodies of a pass: the built-in Kepler model, and a
// precise model that takes the Sun, the planets Mercury to Neptune and the
// Moon from ERFA, the IAU's standard routines, and leaves Pluto, the comets,
// the asteroids and the fixed point on the built-in computation.
#pragma once

#include <optional>
#include <string_view>

#include "ephemeris/orbital_elements.h"
#include "ephemeris/sky_positions.h"

namespace halvane {

// Chosen per run; the built-in model is the default.
enum class PositionModel { Builtin, Precise };

// The model a command line names: "builtin" or "precise"; nothing otherwise.
std::optional<PositionModel> positionModelNamed(std::string_view name);

// Given: the moment Ti (tropical years since day 0, UT). Returns: whether
// the precise model places bodies at that moment: from the year 1000 to the
// year 3000, the span ERFA's planetary theory is made for. Outside it ERFA's
// series run away, and a pass keeps the built-in positions.
bool preciseModelCovers(double Ti);

// Given: the model, the elements of the date and the moment Ti. Writes: the
// tables placeBodies writes. Builtin is exactly placeBodies. Precise runs
// placeBodies, then, at a moment it covers, replaces the heliocentric
// positions of the Earth and of Mercury to Neptune, the Moon's position and
// its direction from the Earth, r03, r10 and the Moon's semi-major axis entry
// with ERFA's: eraEpv00 (the Earth), eraPlan94 (the planets), eraMoon98 (the
// Moon, geocentric, added to the Earth).
// Notes:
// - Time: Ti is UT; ERFA takes TT, Julian Date 2445200.5 + Ti x 365.24219029
//   days + Delta T (deltaTSeconds). TDB - TT (under 2 ms) is neglected.
// - Frame: ERFA gives ICRS-aligned equatorial vectors (BCRS, GCRS for the
//   Moon), AU. They are turned into the ecliptic by the catalogue's own
//   obliquity, 23.44 degrees, so that a planet stands among the stars exactly
//   where the sky has it. Against the ecliptic of J2000 (23.4392911 degrees)
//   the frame is turned by 2.6 arc seconds about the equinox line: latitudes
//   differ by at most that, longitudes near the ecliptic by under 0.3.
// - Geometric positions at the moment itself: no light time, no aberration,
//   so that the directions from any viewpoint follow from differences.
// - Accuracy (ERFA's notes, 1800-2050): the Earth and the inner planets a few
//   arc seconds; Jupiter, Saturn and Uranus up to 71, 81 and 86 arc seconds
//   in heliocentric longitude, typically a fifth of that; the Moon 3 arc
//   seconds RMS, 18 at worst (1950-2100). Orbit tables (perihelion time,
//   eccentric anomaly, orbit-plane point) keep the Kepler orbit's values.
void placeBodiesWith(PositionModel model, OrbitalElements& elements, HeliocentricPositions& positions,
                     SkyPositions& sky, double Ti);

}  // namespace halvane
