#include "ephemeris/angles.h"

#include <cmath>

#include "util/numbers.h"

namespace halvane {

double arctanOfQuotient(double rise, double run) { return run == 0 ? std::atan2(rise, 0.0) : std::atan(rise / run); }

double directionAngle(double dx, double dy)
{
    const double angle = arctanOfQuotient(dy, dx);
    return dx < 0 ? angle + p0 : angle;
}

double longitudeOfDirection(double dx, double dy) { return wrapOnceIntoTurn(directionAngle(dx, dy)); }

double latitudeOfDirection(double dx, double dy, double dz)
{
    return arctanOfQuotient(dz, std::sqrt(dx * dx + dy * dy));
}

double wrapOnceIntoTurn(double radians)
{
    if (radians > 2 * p0) radians -= 2 * p0;
    if (radians < 0) radians += 2 * p0;
    return radians;
}

double wrapOnceIntoHalfTurns(double radians)
{
    if (radians > p0) radians -= 2 * p0;
    if (radians < -p0) radians += 2 * p0;
    return radians;
}

double addTurnIfNegativeDeg(double degrees) { return degrees < 0 ? degrees + 360 : degrees; }

double normalisedDeg(double degrees) { return 360 * frac(degrees / 360); }

}  // namespace halvane
