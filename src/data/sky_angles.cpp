#include "data/sky_angles.h"

#include <cmath>

#include "data/constants.h"

namespace halvane {

double arctanOfQuotient(double rise, double run)
{
    return run == 0 ? std::atan2(rise, 0.0) : std::atan(rise / run);
}

double directionAngle(double dx, double dy)
{
    const double angle = arctanOfQuotient(dy, dx);
    return dx < 0 ? angle + p0 : angle;
}

double longitudeOfDirection(double dx, double dy)
{
    double longitude = directionAngle(dx, dy);
    if (longitude > 2 * p0) longitude -= 2 * p0;
    if (longitude < 0) longitude += 2 * p0;
    return longitude;
}

double latitudeOfDirection(double dx, double dy, double dz)
{
    return arctanOfQuotient(dz, std::sqrt(dx * dx + dy * dy));
}

}  // namespace halvane
