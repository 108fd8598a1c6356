#include "charts/body_distances.h"

#include <cmath>

#include "ephemeris/directions.h"

namespace halvane {

Xyz positionOf(const Halvane& h, int i)
{
    const auto k = static_cast<size_t>(i);
    return {h.bodies.x[k], h.bodies.y[k], h.bodies.z[k]};
}

double distanceFromViewpoint(const Halvane& h, int i)
{
    return distance(positionOf(h, viewpointIndex(h.vars.view)), positionOf(h, i));
}

double distanceFromSun(const Halvane& h, int i) { return length(positionOf(h, i)); }

double nearnessScale(double b3, double d) { return d == 0 ? 0 : std::sqrt(b3 / 20 / d); }

}  // namespace halvane
