// The tables an orbit is computed from and the heliocentric positions it
// gives, one entry per body index. Plain tables: the start-up fills the
// elements, the position computation the positions.
#pragma once

#include <array>

#include "ephemeris/body_index.h"
#include "ephemeris/vector.h"

namespace halvane {

struct OrbitalElements {
    PerBody<double> semiMajorAxis{};  // AU
    PerBody<double> eccentricity{};
    PerBody<double> inclination{};  // degrees
    PerBody<double> nodeLongitude{};  // degrees
    PerBody<double> period{};  // tropical years
    PerBody<double> epochLongitude{};  // degrees: eccentric anomaly at the epoch
    PerBody<double> perihelionLongitude{};  // degrees: node + argument of perihelion

    // Comets: the date of the perihelion passage (entries 11 to 20 used).
    std::array<double, 21> perihelionYear{}, perihelionMonth{}, perihelionDay{};
    // Asteroids: epoch of the elements, Julian Date (entries 21 to 30 used).
    std::array<double, 91> asteroidEpoch{};
};

// Heliocentric ecliptic positions, equinox of 2000, AU. Entry 0 is the Sun
// (0, 0, 0); entry 90 is the user's fixed point.
struct HeliocentricPositions {
    PerBody<double> x{}, y{}, z{};
};

inline Xyz positionOf(const HeliocentricPositions& p, int i) { return {p.x[i], p.y[i], p.z[i]}; }

inline void setPosition(HeliocentricPositions& p, int i, const Xyz& at)
{
    p.x[i] = at.x;
    p.y[i] = at.y;
    p.z[i] = at.z;
}

}  // namespace halvane
