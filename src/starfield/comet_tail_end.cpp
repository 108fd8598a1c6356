#include "starfield/comet_tail_end.h"

namespace halvane {

double tailLengthFactor(double k, double r) { return (0.2 * k * k / 9) / (0.3 + 0.7 * r); }

Xyz keepTailEnd(Halvane& h, int i, double factor)
{
    const Xyz comet = positionOf(h.bodies, i);
    auto& end = h.tailEnds[static_cast<size_t>(i)];
    end = {static_cast<float>((1 + factor) * comet.x), static_cast<float>((1 + factor) * comet.y),
           static_cast<float>((1 + factor) * comet.z)};
    return {end[0], end[1], end[2]};
}

}  // namespace halvane
