// The per-body tables and their built-in values for the Sun, the planets
// and the Moon. Comets and asteroids are filled from their files.
#pragma once

#include <array>

#include "data/body_index.h"
#include "util/rgb.h"

namespace halvane {

template <typename T>
using PerBody = std::array<T, body::Slots>;

struct BodyTables {
    PerBody<double> radius{};          // km
    PerBody<double> semiMajorAxis{};   // AU
    PerBody<double> eccentricity{};
    PerBody<double> inclination{};     // degrees
    PerBody<double> brightness{};      // linear factor, 2.5 per magnitude
    PerBody<double> nodeLongitude{};   // degrees
    PerBody<double> period{};          // tropical years
    PerBody<double> epochLongitude{};  // degrees
    PerBody<double> perihelionLongitude{};  // degrees: node + argument of perihelion
    PerBody<Rgb> colour{};
    PerBody<float> displayScale{};
    PerBody<double> x{}, y{}, z{};     // heliocentric position, AU

    // Comets: perihelion date and brightness exponent (entries 0 to 20).
    std::array<double, 21> perihelionYear{}, perihelionMonth{}, perihelionDay{};
    std::array<double, 21> cometExponent{};
    // Asteroids: epoch of the elements, Julian Date (entries 21 to 30 used).
    std::array<double, 91> asteroidEpoch{};
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
