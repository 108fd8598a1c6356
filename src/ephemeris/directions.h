// The direction of every body as seen from the viewpoint body.
#pragma once

#include <vector>

#include "ephemeris/orbital_elements.h"
#include "ephemeris/sky_positions.h"

namespace halvane {

// Given: a viewpoint body index. Returns: the table entry it stands for:
// itself when the tables have it, otherwise the fixed point.
int viewpointIndex(int view);

// Given: entry `i` and the vector from the viewpoint to it (ecliptic, AU).
// Writes: its ecliptic longitude and latitude, radians, and the longitude in
// degrees.
void setDirection(SkyPositions& sky, int i, const Xyz& seen);

// Given: heliocentric positions (ecliptic, equinox of 2000, AU) and the
// viewpoint. Writes: the ecliptic longitude and latitude (radians; the
// longitude also in degrees) of bodies 0 to 30 seen from the viewpoint.
// Returns: the bodies that received a direction, in order.
// Notes: the viewpoint's own round handles the body after it, so the
// viewpoint gets no new direction. A body keeps the direction it had when it
// sits at the viewpoint's x (exactly, or as that x reads back from its
// 15-digit text), and so does the Moon seen from the Earth, whose direction
// the Moon's own step has set.
std::vector<int> directionsFromViewpoint(const HeliocentricPositions& positions, SkyPositions& sky, int view);

}  // namespace halvane
