// Where a body is seen rather than where it is: light time from the
// viewpoint, and an observer standing on the Earth instead of at its centre.
#pragma once

#include <optional>

#include "ephemeris/orbital_elements.h"

namespace halvane {

// How a pass sees the bodies; geometric from the viewpoint's centre when
// nothing is chosen.
struct Sighting {
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
// - No aberration: the Earth's motion shifts a star and a body beside it
//   alike (to 0.4 arc seconds per degree between them), and the catalogue's
//   stars stand at their astrometric places, so the body keeps its place
//   among them as an astrometric ephemeris gives it.
Xyz seenVector(const MovingPositions& positions, int v, int i, const Sighting& sighting);

}  // namespace halvane
