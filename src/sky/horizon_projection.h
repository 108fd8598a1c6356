// Where a direction of the local sky lands on the round horizon chart: the
// zenith at the centre, the horizon a circle, north up and east to the
// left, as on a printed star chart held overhead.
#pragma once

#include <cmath>

#include "ephemeris/constants.h"
#include "ephemeris/observer.h"

namespace halvane {

struct ChartPoint {
    double x = 0, y = 0;  // twips
};

// A stereographic projection from the nadir: circles on the sky stay
// circles and the shapes of the constellations are kept; the sky near the
// horizon is drawn twice as large as at the zenith.
struct HorizonProjection {
    double centreX = 0, centreY = 0;  // the zenith, twips
    double radius = 0;  // the horizon, twips

    // Given: altitude and azimuth. Returns: the point on the chart; points
    // below the horizon land outside the circle (the nadir at infinity).
    ChartPoint at(const HorizontalAngles& a) const
    {
        const double r = radius * std::tan((p0 / 2 - a.altitude) / 2);
        return {centreX - r * std::sin(a.azimuth), centreY - r * std::cos(a.azimuth)};
    }
};

}  // namespace halvane
