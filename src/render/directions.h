// The direction of every body as seen from the viewpoint body.
#pragma once

#include <vector>

#include "data/body_tables.h"
#include "data/sky_positions.h"
#include "data/sky_tables.h"

namespace halvane {

// The body table entry a viewpoint stands for: `view` itself when the tables
// have it, otherwise the fixed point.
int viewpointIndex(int view);

// Whether body `i` keeps the direction it had, seen from viewpoint `v`: it
// sits at the viewpoint's x (exactly, or as the viewpoint's x reads back from
// its 15-digit text), or it is the Moon seen from the Earth, whose direction
// the Moon's own step has set.
bool keepsDirection(const BodyTables& bodies, int v, int i);

// Ecliptic longitude and latitude (radians; the longitude also in degrees)
// of bodies 0 to 30 seen from `view`, also written to the ecliptic columns of
// their star table rows. The viewpoint's own round
// handles the body after it, so the viewpoint gets no new direction. Returns
// the bodies that received a direction, in order.
std::vector<int> directionsFromViewpoint(const BodyTables& bodies, SkyPositions& sky, std::vector<StarRow>& stars,
                                         int view);

}  // namespace halvane
