#include "ephemeris/ecliptic_conversion.h"

#include <gtest/gtest.h>

#include "ephemeris/constants.h"

namespace halvane {
namespace {

TEST(EclipticConversion, KnownPoints)
{
    const SphericalAngles origin = toEcliptic(0, 0);
    EXPECT_EQ(origin.longitude, 0);
    EXPECT_EQ(origin.latitude, 0);

    const SphericalAngles e = toEcliptic(1.5, 0);
    EXPECT_NEAR(e.longitude, 1.4937, 5e-5);
    EXPECT_NEAR(e.latitude, -0.4080, 5e-5);

    // The celestial north pole lies 23.44 degrees from the ecliptic pole,
    // towards longitude 90 degrees.
    const SphericalAngles pole = toEcliptic(0, p0 / 2);
    EXPECT_NEAR(pole.latitude, (90 - 23.44) / p1, 1e-9);
    EXPECT_NEAR(pole.longitude, p0 / 2, 1e-9);
}

TEST(EclipticConversion, LongitudeCoversTheWholeCircle)
{
    // Right ascensions in the second, third and fourth quadrant, and one
    // just below zero, which wraps to just below 2 p0.
    for (const double alpha : {2.0, 3.0, 4.5, 6.0, -0.01}) {
        const SphericalAngles e = toEcliptic(alpha, 0.1);
        EXPECT_GE(e.longitude, 0) << alpha;
        EXPECT_LT(e.longitude, 2 * p0) << alpha;
    }
    EXPECT_NEAR(toEcliptic(3.0, 0).longitude, 3.0, 0.05);
    EXPECT_GT(toEcliptic(-0.01, 0).longitude, 2 * p0 - 0.02);
}

}  // namespace
}  // namespace halvane
