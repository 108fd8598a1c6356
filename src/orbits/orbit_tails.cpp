#include "orbits/orbit_tails.h"

#include <cmath>

#include "drawing/chart_colours.h"
#include "orbits/orbit_selection.h"
#include "sky/comet_tail_end.h"

namespace halvane {

double orbitTailFactor(double k, double r) { return r > 20 ? 0 : tailLengthFactor(k, r); }

void drawOrbitTails(const Halvane& h, const OrbitView& view, const OrbitPicture& picture, Surface& surface)
{
    const auto& b = h.bodies;
    for (int i = body::FirstComet; i <= body::LastComet; ++i) {
        if (!orbitShows(h.vars.orbit, i)) continue;
        const Xyz comet = positionOf(b, i);
        const auto& kept = h.tailEnds[static_cast<size_t>(i)];
        const Xyz end{kept[0], kept[1], kept[2]};
        const TwipsPoint from = onScreen(view, picture, intoPicture(view, picture, comet));
        const TwipsPoint to = onScreen(view, picture, intoPicture(view, picture, end));
        if (!std::isfinite(from.x + from.y + to.x + to.y)) continue;
        surface.setPenWidth(3);
        surface.line(from.x, from.y, to.x, to.y, TailColour);
    }
}

}  // namespace halvane
