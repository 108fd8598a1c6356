#include "ephemeris/seen_positions.h"

#include "ephemeris/body_index.h"

namespace halvane {

namespace {

// Days the light takes for one AU (IAU 2012: 499.004784 s).
constexpr double lightDaysPerAu = 499.004784 / 86400;

Xyz minus(const Xyz& a, const Xyz& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

}  // namespace

Xyz seenVector(const MovingPositions& p, int v, int i, const Sighting& sighting)
{
    Xyz from = positionOf(p.now, v);
    if (v == body::Earth && sighting.observer) {
        const Xyz& offset = *sighting.observer;
        from = {from.x + offset.x, from.y + offset.y, from.z + offset.z};
    }
    const Xyz at = positionOf(p.now, i);
    const Xyz geometric = minus(at, from);
    if (!sighting.lightTime) return geometric;

    const double share = length(geometric) * lightDaysPerAu / p.stepDays;
    const Xyz motion = minus(at, positionOf(p.before, i));
    return {geometric.x - motion.x * share, geometric.y - motion.y * share, geometric.z - motion.z * share};
}

}  // namespace halvane
