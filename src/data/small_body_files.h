// The asteroid file "asteroids.csv" and the comet file "comets.csv": a row of
// column titles, then ten records of names and orbital elements each.
#pragma once

#include <string>

#include "data/body_tables.h"
#include "data/texts.h"
#include "util/messages.h"

namespace halvane {

// Fills bodies 21 to 30 in file order: names, brightness factor, epoch
// angle, perihelion and node longitude, inclination, eccentricity,
// semi-major axis, period and epoch.
void readAsteroids(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages);

// Fills bodies 11 to 20 in file order: names, period, perihelion date,
// eccentricity, perihelion and node longitude, inclination, brightness
// factor and exponent, and the semi-major axis from the perihelion
// distance. An open orbit (e >= 1) is kept as a long ellipse, e = 0.9999.
void readComets(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages);

// The body tables every program computes with: the planets' built-in
// tables, the comets and asteroids of the files in `folder` (none when it is
// empty) and the fixed point. The name tables must be filled first.
void fillBodyTables(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages);

}  // namespace halvane
