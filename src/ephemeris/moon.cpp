#include "ephemeris/moon.h"

#include <cmath>

#include "ephemeris/constants.h"

namespace halvane {

namespace {

// The correction's phase epoch: 29722.37496 days before day 0, that is
// 3 April 1901, 15 h UT.
constexpr double correctionEpochDays = 29722.37496;
constexpr double mainPeriodDays = 411.92;  // the correction's main cycle
constexpr double longPeriodDays = 3231;  // the slow swing of its amplitude
constexpr double skewOfMainCycle = 1.0 / 16;  // sin(A) / 16 added to the phase
constexpr double amplitudeDeg = 1.3;
constexpr double amplitudeSwing = 0.25;

}  // namespace

double moonLongitudeCorrectionDeg(double Ti)
{
    const double t = Ti * taiyounenniti;
    const double A = 2 * p0 * (t + correctionEpochDays) / mainPeriodDays;
    const double B = 2 * p0 * (t + correctionEpochDays) / longPeriodDays;
    return std::sin(A + std::sin(A) * skewOfMainCycle) * (amplitudeDeg - amplitudeSwing * std::sin(B));
}

MoonDirection correctedMoon(const Xyz& geocentric, double Ti)
{
    const auto& [x, y, z] = geocentric;
    MoonDirection moon;
    moon.longitudeDeg = degreesFromRadians(longitudeOfDirection(x, y)) - moonLongitudeCorrectionDeg(Ti);
    moon.longitudeRad = radiansFromDegrees(moon.longitudeDeg);
    moon.latitudeRad = latitudeOfDirection(x, y, z);
    const double r = length(geocentric);
    moon.geocentric = {std::cos(moon.longitudeRad) * r, std::sin(moon.longitudeRad) * r, z};
    return moon;
}

}  // namespace halvane
