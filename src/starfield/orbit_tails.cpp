#include "starfield/orbit_tails.h"

#include "starfield/orbit_selection.h"

namespace halvane {

double orbitTailFactor(double k, double r)
{
    if (r > 20) return 0;
    return (0.2 * k * k / 9) / (0.3 + 0.7 * r);
}

void drawOrbitTails(Halvane& h, const OrbitView& view, const OrbitPicture& picture, Surface& surface)
{
    const auto& b = h.bodies;
    for (int i = body::FirstComet; i <= body::LastComet; ++i) {
        if (!orbitShows(h.vars.orbit, i)) continue;
        const Xyz comet{b.x[i], b.y[i], b.z[i]};
        const double grow = 1 + orbitTailFactor(b.cometExponent[i], length(comet));
        auto& end = h.tailEnds[i];
        end = {static_cast<float>(grow * comet.x), static_cast<float>(grow * comet.y), static_cast<float>(grow * comet.z)};
        const TwipsPoint from = onScreen(view, picture, intoPicture(view, picture, comet));
        const TwipsPoint to = onScreen(view, picture, intoPicture(view, picture, {end[0], end[1], end[2]}));
        surface.setPenWidth(3);
        surface.line(from.x, from.y, to.x, to.y, {50, 50, 60});
    }
}

}  // namespace halvane
