#include "ephemeris/seen_positions.h"

#include "ephemeris/body_index.h"

namespace halvane {

namespace {

// Days the light takes for one AU (IAU 2012: 499.004784 s).
constexpr double lightDaysPerAu = 499.004784 / 86400;

Xyz minus(const Xyz& a, const Xyz& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// `p` turned by the aberration `beta`, at the same length.
Xyz aberrated(const Xyz& p, const Xyz& beta)
{
    const double r = length(p);
    const Xyz moved{p.x / r + beta.x, p.y / r + beta.y, p.z / r + beta.z};
    const double k = r / length(moved);
    return {moved.x * k, moved.y * k, moved.z * k};
}

}  // namespace

Xyz earthAberration(const MovingPositions& p)
{
    const Xyz step = minus(positionOf(p.now, body::Earth), positionOf(p.before, body::Earth));
    const double k = lightDaysPerAu / p.stepDays;
    return {step.x * k, step.y * k, step.z * k};
}

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
    const Xyz retarded{geometric.x - motion.x * share, geometric.y - motion.y * share, geometric.z - motion.z * share};
    return v == body::Earth ? aberrated(retarded, earthAberration(p)) : retarded;
}

}  // namespace halvane
