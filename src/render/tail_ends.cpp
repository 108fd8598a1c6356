#include "render/tail_ends.h"

#include "ephemeris/directions.h"
#include "orbits/orbit_tails.h"
#include "render/view_angles.h"
#include "sky/body_distances.h"
#include "sky/comet_tail_end.h"
#include "sky/comet_tails.h"

namespace halvane {

namespace {

Xyz keepTailEnd(Halvane& h, int i, double factor)
{
    const Xyz comet = positionOf(h.bodies, i);
    auto& end = h.tailEnds[static_cast<size_t>(i)];
    end = {static_cast<float>((1 + factor) * comet.x), static_cast<float>((1 + factor) * comet.y),
           static_cast<float>((1 + factor) * comet.z)};
    return {end[0], end[1], end[2]};
}

}  // namespace

void keepSkyTailEnds(Halvane& h)
{
    const auto& b = h.bodies;
    const Xyz viewpoint = positionOf(b, viewpointIndex(h.vars.view));
    for (int i = body::FirstComet; i <= body::LastComet; ++i) {
        if (i == h.vars.view || (b.x[i] == 0 && b.y[i] == 0)) continue;
        const double factor = tailFactor(b.cometExponent[i], distanceFromSun(h, i));
        const Xyz end = keepTailEnd(h, i, factor);
        if (factor == 0) continue;
        const int tail = cometTailRow(i);
        setDirection(h.sky, tail, {end.x - viewpoint.x, end.y - viewpoint.y, end.z - viewpoint.z});
        displayFrameTransform(h, tail);
    }
}

void keepOrbitTailEnds(Halvane& h)
{
    for (int i = body::FirstComet; i <= body::LastComet; ++i) {
        const Xyz comet = positionOf(h.bodies, i);
        keepTailEnd(h, i, orbitTailFactor(h.bodies.cometExponent[i], length(comet)));
    }
}

}  // namespace halvane
