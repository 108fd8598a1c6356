// The per-body tables and their built-in values for the Sun, the planets
// and the Moon. Comets and asteroids are filled from their files.
#pragma once

#include <array>

#include "ephemeris/body_index.h"
#include "ephemeris/orbital_elements.h"
#include "util/rgb.h"

namespace halvane {

// The elements and positions of the orbit computation, with what the
// charts draw a body by.
struct BodyTables : OrbitalElements, HeliocentricPositions {
    PerBody<double> radius{};  // km
    PerBody<double> brightness{};  // linear factor, 2.5 per magnitude
    PerBody<Rgb> colour{};
    PerBody<float> displayScale{};
    std::array<double, 21> cometExponent{};  // brightness exponent of comets 11 to 20
};

// Built-in radii, brightness factors, elements and periods of bodies 0 to 10,
// in the order the start-up fills them, with the period conversion.
void fillPlanetaryTables(BodyTables& tables);

// Body colours 1 to 30.
void fillBodyColours(BodyTables& tables);

// Display scales 1 to 30; needs the comet and asteroid rows.
void fillDisplayScales(BodyTables& tables);

// The user's fixed point (0.7, 0.7, 0) and its distance from the Sun.
void setFixedPoint(BodyTables& tables);

// 256 x 2.5^(1 - m): the brightness factor of a body of magnitude m.
double brightnessFactor(double magnitude);

}  // namespace halvane
