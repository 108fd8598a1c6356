// Angles around the aim point: display-frame angles (A, D) seen in a frame
// turned about the pole by b1 and then tilted by b2, so that the aim point
// itself comes out at (0, 0).
#pragma once

#include <optional>

#include "ephemeris/vector.h"

namespace halvane {

struct ViewAngles {
    double u = 0;  // horizontal, (-p0, p0], grows with A
    double v = 0;  // vertical, [-p0/2, p0/2], grows with D
};

// The transform for one aim point, with the tilt's cosine and sine worked
// out once for the many stars of a pass. With an aberration (a velocity over
// the speed of light, in the frame of A and D) every direction is first
// moved by it, as the moving observer sees it.
class ViewCentring {
public:
    ViewCentring(double b1, double b2, const std::optional<Xyz>& aberration = std::nullopt);
    ViewAngles operator()(double A, double D) const;

private:
    double b1_, cosB2_, sinB2_;
    std::optional<Xyz> aberration_;  // turned by -b1 about the pole, as the directions are
};

// The same for a single point.
ViewAngles viewCentred(double A, double D, double b1, double b2);

}  // namespace halvane
