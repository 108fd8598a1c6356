// Angles around the aim point: display-frame angles (A, D) seen in a frame
// turned about the pole by b1 and then tilted by b2, so that the aim point
// itself comes out at (0, 0).
#pragma once

namespace halvane {

struct ViewAngles {
    double u = 0;  // horizontal, (-p0, p0], grows with A
    double v = 0;  // vertical, [-p0/2, p0/2], grows with D
};

// The transform for one aim point, with the tilt's cosine and sine worked
// out once for the many stars of a pass.
class ViewCentring {
public:
    ViewCentring(double b1, double b2);
    ViewAngles operator()(double A, double D) const;

private:
    double b1_, cosB2_, sinB2_;
};

// The same for a single point.
ViewAngles viewCentred(double A, double D, double b1, double b2);

}  // namespace halvane
