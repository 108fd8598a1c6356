// Where a body is seen rather than where it is: light time from the
// viewpoint, the annual aberration of the Earth's motion, and an observer
// standing on the Earth instead of at its centre.
#pragma once

#include <optional>

#include "ephemeris/orbital_elements.h"

namespace halvane {

// How a pass sees the bodies; geometric from the viewpoint's centre when
// nothing is chosen.
struct Sighting {
    // Light time from the viewpoint and, from the Earth, annual aberration:
    // the places an apparent ephemeris gives, without light deflection.
    bool lightTime = false;
    // With the Earth as the viewpoint: the observer's position from the
    // Earth's centre, AU, in the catalogue's ecliptic frame.
    std::optional<Xyz> observer;

    bool isGeometric() const { return !lightTime && !observer; }
};

// Positions of one moment and of a moment `stepDays` earlier, from which a
// body's motion during its light time follows.
struct MovingPositions {
    const HeliocentricPositions& now;
    const HeliocentricPositions& before;
    double stepDays;
};

// Given: the positions, the viewpoint entry `v`, a body `i` and the
// sighting. Returns: the vector from the viewpoint (or the observer on the
// Earth) to where body `i` is seen, AU.
// Notes:
// - Light time: the body's position at the moment less its motion over the
//   light time from the viewpoint (one step: the time the light takes to
//   cross the geometric distance; the retarded distance changes it by under
//   a ten-thousandth). The motion is the straight line through the two
//   moments, within 0.05 arc seconds for Mercury. Heliocentric motion
//   stands for barycentric: the Sun's own 13 m/s add under 0.01 arc seconds.
// - Aberration, from the Earth with light time: the direction turned by
//   earthAberration (below); the length stays the light-time distance.
Xyz seenVector(const MovingPositions& positions, int v, int i, const Sighting& sighting);

// Given: the positions. Returns: the Earth's velocity as a fraction of the
// speed of light, in the catalogue's ecliptic frame: adding it to a unit
// vector towards a star or a body and normalising gives the direction in
// which the moving Earth sees it (annual aberration, up to 20.5 arc
// seconds). Notes: first order in the velocity, within 0.002 arc seconds
// of the relativistic formula; the heliocentric velocity stands for the
// barycentric (under 0.01 arc seconds); the observer's own turning with the
// Earth (diurnal aberration, at most 0.32 arc seconds) is left out.
Xyz earthAberration(const MovingPositions& positions);

}  // namespace halvane
