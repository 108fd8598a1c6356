#include "render/moon.h"

#include <cmath>

#include "data/sky_angles.h"
#include "data/constants.h"

namespace halvane {

namespace {
constexpr double correctionEpochDays = 29722.37496;
}

double moonLongitudeCorrectionDeg(double Ti)
{
    const double t = Ti * taiyounenniti;
    const double A = 2 * p0 * (t + correctionEpochDays) / 411.92;
    const double B = 2 * p0 * (t + correctionEpochDays) / 3231;
    return std::sin(A + std::sin(A) / 16) * (1.3 - 0.25 * std::sin(B));
}

MoonDirection correctedMoon(const Xyz& geocentric, double Ti)
{
    const auto& [x, y, z] = geocentric;
    MoonDirection moon;
    moon.longitudeDeg = longitudeOfDirection(x, y) * p1 - moonLongitudeCorrectionDeg(Ti);
    moon.longitudeRad = moon.longitudeDeg / p1;
    moon.latitudeRad = latitudeOfDirection(x, y, z);
    const double r = length(geocentric);
    moon.geocentric = {std::cos(moon.longitudeRad) * r, std::sin(moon.longitudeRad) * r, z};
    return moon;
}

}  // namespace halvane
