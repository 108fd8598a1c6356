#include "render/directions.h"

#include <cmath>

#include "data/sky_angles.h"
#include "data/constants.h"
#include "util/numbers.h"

namespace halvane {

using namespace body;

int viewpointIndex(int view) { return isSlot(view) ? view : FixedPoint; }

bool keepsDirection(const BodyTables& bodies, int v, int i)
{
    const double xv = bodies.x[v], xi = bodies.x[i];
    if (xv == xi) return true;
    if (v == Earth && i == Moon) return true;
    return parseNumber(numberText(xv)).value_or(xv) - xi == 0;
}

std::vector<int> directionsFromViewpoint(const BodyTables& bodies, SkyPositions& sky, std::vector<StarRow>& stars,
                                         int view)
{
    const auto &x = bodies.x, &y = bodies.y, &z = bodies.z;
    const int v = viewpointIndex(view);
    std::vector<int> directed;
    for (int i = Sun; i <= LastAsteroid; ++i) {
        if (i == v) ++i;
        if (keepsDirection(bodies, v, i)) continue;
        const double dx = x[i] - x[v], dy = y[i] - y[v], dz = z[i] - z[v];
        const double longitude = longitudeOfDirection(dx, dy);
        const double latitude = latitudeOfDirection(dx, dy, dz);
        sky.eclipticLongitude[i] = longitude;
        sky.longitudeDegrees[i] = longitude * p1;
        sky.eclipticLatitude[i] = latitude;
        stars[static_cast<size_t>(i)][star::Longitude] = longitude;
        stars[static_cast<size_t>(i)][star::Latitude] = latitude;
        directed.push_back(i);
    }
    return directed;
}

}  // namespace halvane
