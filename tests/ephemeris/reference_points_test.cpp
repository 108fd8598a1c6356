#include "ephemeris/reference_points.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/angles.h"

namespace halvane {
namespace {

// a - b brought into (-180, 180].
double degreesApart(double a, double b)
{
    const double d = std::fmod(a - b, 360.0);
    if (d > 180) return d - 360;
    if (d <= -180) return d + 360;
    return d;
}

TEST(EarthView, ReferencePointsWhereTheSkyHasThemIn2000)
{
    SkyPositions sky;
    earthViewStep(sky, 6344.5 / taiyounenniti);  // 1 January 2000, noon
    auto at = [&](int point, double longitudeDeg, double latitudeDeg) {
        EXPECT_NEAR(degreesApart(sky.eclipticLongitude[point] * p1, longitudeDeg), 0, 0.01) << point;
        EXPECT_NEAR(sky.eclipticLatitude[point] * p1, latitudeDeg, 0.01) << point;
    };
    at(91, 0, 0);
    at(92, 180, 0);
    at(93, 90, 66.56);
    at(94, 270, -66.56);
    at(95, 90, 0);
    at(96, 270, 0);
    at(97, 90, 90);
    at(98, 270, -90);
    EXPECT_NEAR(sky.katamuki, 23.44, 0.01);
    // The poles keep only a radian longitude.
    for (const int pole : {93, 94, 97, 98}) EXPECT_EQ(sky.longitudeDegrees[pole], 0);
}

TEST(EarthView, TiltSwingsBetween22And24AndAHalfDegrees)
{
    EXPECT_NEAR(katamukiDeg(1030 + 41000.0 / 4), 22, 1e-9);
    EXPECT_NEAR(katamukiDeg(1030 - 41000.0 / 4), 24.5, 1e-9);
}

TEST(EarthView, NegativeLongitudesWrapOnce)
{
    EXPECT_EQ(addTurnIfNegativeDeg(-10), 350);
    EXPECT_EQ(addTurnIfNegativeDeg(-370), -10);
    EXPECT_EQ(addTurnIfNegativeDeg(10), 10);
}

}  // namespace
}  // namespace halvane
