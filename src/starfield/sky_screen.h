// Where view-centred angles land on the drawing area: the aim point at the
// centre, 300 x b3 twips to the radian, larger angles further left and up.
#pragma once

#include <cmath>

namespace halvane {

struct SkyScreen {
    double ae = 0, bb = 0;  // drawing area, twips
    double b3 = 0;          // working magnification

    double twipsPerRadian() const { return 300 * b3; }
    double x(double u) const { return ae / 2 - u * twipsPerRadian(); }
    double y(double v) const { return bb / 2 - v * twipsPerRadian(); }

    // Angles that land outside the drawing area; angles that cannot be
    // placed at all (not a number) count as outside too.
    bool offChart(double u, double v) const
    {
        const double k = twipsPerRadian();
        return !(std::abs(u * k) <= ae / 2 && std::abs(v * k) <= bb / 2);
    }
};

}  // namespace halvane
