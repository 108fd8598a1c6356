#include "charts/body_distances.h"

#include <cmath>

namespace halvane {

int viewpointEntry(const Halvane& h) { return body::isSlot(h.vars.view) ? h.vars.view : body::FixedPoint; }

double distanceFromViewpoint(const Halvane& h, int i)
{
    const auto& b = h.bodies;
    const auto v = static_cast<size_t>(viewpointEntry(h)), k = static_cast<size_t>(i);
    return std::sqrt(std::pow(b.x[k] - b.x[v], 2) + std::pow(b.y[k] - b.y[v], 2) + std::pow(b.z[k] - b.z[v], 2));
}

double distanceFromSun(const Halvane& h, int i)
{
    const auto& b = h.bodies;
    const auto k = static_cast<size_t>(i);
    return std::sqrt(b.x[k] * b.x[k] + b.y[k] * b.y[k] + b.z[k] * b.z[k]);
}

double nearnessScale(double b3, double d) { return d == 0 ? 0 : std::sqrt(b3 / 20 / d); }

}  // namespace halvane
