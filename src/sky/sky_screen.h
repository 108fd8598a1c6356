// Where view-centred angles land on the drawing area: the aim point at the
// centre, 300 x b3 twips to the radian, larger angles further left and up.
#pragma once

#include <cmath>

#include "ephemeris/constants.h"

namespace halvane {

struct SkyScreen {
    double ae = 0, bb = 0;  // drawing area, twips
    double b3 = 0;  // working magnification

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

    // The greatest angle from the aim point at which a point can still land
    // on the drawing area (a corner lies acos(cos u cos v) away), with a
    // margin far above rounding; a half turn when the area spans a quarter
    // turn or more either way. No point at a greater angle is on the chart.
    double reach() const
    {
        constexpr double margin = 1e-9;
        const double k = twipsPerRadian();
        const double u = ae / 2 / k, v = bb / 2 / k;
        if (!(u < p0 / 2 && v < p0 / 2)) return p0;
        return std::acos(std::cos(u) * std::cos(v)) + margin;
    }
};

}  // namespace halvane
