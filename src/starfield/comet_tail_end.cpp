#include "starfield/comet_tail_end.h"

namespace halvane {

double tailLengthFactor(double k, double r) { return (0.2 * k * k / 9) / (0.3 + 0.7 * r); }

Xyz keepTailEnd(Halvane& h, int i, double factor)
{
    const auto k = static_cast<size_t>(i);
    const auto& b = h.bodies;
    auto& end = h.tailEnds[k];
    end = {static_cast<float>((1 + factor) * b.x[k]), static_cast<float>((1 + factor) * b.y[k]),
           static_cast<float>((1 + factor) * b.z[k])};
    return {end[0], end[1], end[2]};
}

}  // namespace halvane
