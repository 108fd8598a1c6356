// Two ways to place the bodies of a pass: the built-in Kepler model, and a
// precise model that takes the Earth (and so the Sun), the planets Mercury
// to Pluto and the Moon from full theories (planetary_theory.h), and leaves
// the comets, the asteroids and the fixed point on the built-in computation.
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
// year 3000, a span VSOP87 and ELP 2000-82B cover with ease (Delta T, not
// the theories, limits the Moon far from the present). Outside it a pass
// keeps the built-in positions.
bool preciseModelCovers(double Ti);

// Given: the model, the elements of the date and the moment Ti. Writes: the
// tables placeBodies writes. Builtin is exactly placeBodies. Precise runs
// placeBodies, then, at a moment it covers, replaces the heliocentric
// positions of the Earth and of Mercury to Neptune, of Pluto from 1885 to
// 2100 (the span of its series), the Moon's position and its direction from
// the Earth, r03, r10 and the Moon's semi-major axis entry with the
// theories' (planetary_theory.h).
// Notes:
// - Time: Ti is UT; the theories take TT, Julian Date 2445200.5 + Ti x
//   365.24219029 days + Delta T (deltaTSeconds). TDB - TT (under 2 ms) is
//   neglected.
// - Frame: ICRS-aligned equatorial vectors turned into the ecliptic by the
//   catalogue's own obliquity, 23.44 degrees, so that a planet stands among
//   the stars exactly where the sky has it. Against the ecliptic of J2000
//   (23.4392911 degrees) the frame is turned by 2.6 arc seconds about the
//   equinox line.
// - Geometric positions at the moment itself, so that the directions from
//   any viewpoint follow from differences; light time and the observer's
//   place are applied to the directions afterwards (seen_positions.h).
// - Accuracy against the JPL DE431 ephemeris, 1900-2100, geocentric: the
//   Sun to Saturn and the Moon within 0.5 and 1.6 arc seconds, Uranus and
//   Neptune within 1.5 and 2.1 (VSOP87 was fitted to an older JPL
//   ephemeris), Pluto within 3.5. Orbit tables (perihelion time, eccentric
//   anomaly, orbit-plane point) keep the Kepler orbit's values.
void placeBodiesWith(PositionModel model, OrbitalElements& elements, HeliocentricPositions& positions,
                     SkyPositions& sky, double Ti);

}  // namespace halvane
