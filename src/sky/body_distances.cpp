#include "sky/body_distances.h"

#include <cmath>

#include "ephemeris/directions.h"

namespace halvane {

double distanceFromViewpoint(const Halvane& h, int i)
{
    return distance(positionOf(h.bodies, viewpointIndex(h.vars.view)), positionOf(h.bodies, i));
}

double distanceFromSun(const Halvane& h, int i) { return length(positionOf(h.bodies, i)); }

double nearnessScale(double b3, double d) { return d == 0 ? 0 : std::sqrt(b3 / 20 / d); }

}  // namespace halvane
