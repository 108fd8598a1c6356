#include "ephemeris/directions.h"

#include "ephemeris/angles.h"
#include "ephemeris/vector.h"
#include "util/numbers.h"

namespace halvane {

using namespace body;

int viewpointIndex(int view) { return isSlot(view) ? view : FixedPoint; }

namespace {

// Whether body `i` keeps the direction it had, seen from viewpoint `v`: true
// when it sits at the viewpoint's x (exactly, or as that x reads back from
// its 15-digit text, `xvReadBack`), or when it is the Moon seen from the
// Earth, whose direction the Moon's own step has set.
bool keepsDirection(const HeliocentricPositions& positions, int v, int i, double xvReadBack)
{
    const double xv = positions.x[v], xi = positions.x[i];
    if (xv == xi) return true;
    if (v == Earth && i == Moon) return true;
    return xvReadBack - xi == 0;
}

}  // namespace

void setDirection(SkyPositions& sky, int i, const Xyz& seen)
{
    const SphericalAngles angles = anglesOf(seen);
    sky.eclipticLongitude[i] = angles.longitude;
    sky.longitudeDegrees[i] = degreesFromRadians(angles.longitude);
    sky.eclipticLatitude[i] = angles.latitude;
}

std::vector<int> directionsFromViewpoint(const HeliocentricPositions& positions, SkyPositions& sky, int view)
{
    const auto &x = positions.x, &y = positions.y, &z = positions.z;
    const int v = viewpointIndex(view);
    const double xvReadBack = parseNumber(numberText(x[v])).value_or(x[v]);
    std::vector<int> directed;
    for (int i = Sun; i <= LastAsteroid; ++i) {
        if (i == v) ++i;
        if (keepsDirection(positions, v, i, xvReadBack)) continue;
        setDirection(sky, i, {x[i] - x[v], y[i] - y[v], z[i] - z[v]});
        directed.push_back(i);
    }
    return directed;
}

}  // namespace halvane
