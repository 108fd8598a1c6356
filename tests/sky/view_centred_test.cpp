#include "sky/view_centred.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ephemeris/constants.h"

namespace halvane {
namespace {

// The transform as first written down: the direction phi of (x, z), tilted
// to phi - b2 at length r, then turned back into x and z.
ViewAngles throughTheTiltAngle(double A, double D, double b1, double b2)
{
    const auto quotientArctan = [](double rise, double run) {
        return run == 0 ? std::atan2(rise, 0.0) : std::atan(rise / run);
    };
    const double x = std::cos(D) * std::cos(A - b1), y = std::cos(D) * std::sin(A - b1), z = std::sin(D);
    const double phi = quotientArctan(z, x) + (x < 0 ? p0 : 0);
    const double r = std::sqrt(z * z + x * x);
    const double xt = r * std::cos(phi - b2), zt = r * std::sin(phi - b2);
    double u = quotientArctan(y, xt) + (xt < 0 ? p0 : 0);
    if (u > p0) u -= 2 * p0;
    if (u < -p0) u += 2 * p0;
    return {u, quotientArctan(zt, std::sqrt(xt * xt + y * y))};
}

TEST(ViewCentred, AgreesWithTheTransformThroughTheTiltAngle)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> longitude(-p0, 3 * p0), latitude(-p0 / 2, p0 / 2);
    for (int i = 0; i < 20000; ++i) {
        const double A = longitude(random), D = latitude(random), b1 = longitude(random), b2 = latitude(random);
        const ViewAngles fast = viewCentred(A, D, b1, b2), slow = throughTheTiltAngle(A, D, b1, b2);
        EXPECT_NEAR(std::remainder(fast.u - slow.u, 2 * p0), 0, 1e-9) << A << " " << D << " " << b1 << " " << b2;
        EXPECT_NEAR(fast.v, slow.v, 1e-9);
    }
}

TEST(ViewCentred, TheAimPointIsTheOriginAndTheAnglesGrowWithAAndD)
{
    const ViewAngles origin = viewCentred(2.1, 0.7, 2.1, 0.7);
    EXPECT_NEAR(origin.u, 0, 1e-15);
    EXPECT_NEAR(origin.v, 0, 1e-15);
    const ViewAngles east = viewCentred(2.2, 0.7, 2.1, 0.7);
    const ViewAngles north = viewCentred(2.1, 0.8, 2.1, 0.7);
    EXPECT_GT(east.u, 0);
    EXPECT_NEAR(north.u, 0, 1e-15);
    EXPECT_NEAR(north.v, 0.1, 1e-12);
    // Half a turn away on the equator: the edge of the range.
    EXPECT_NEAR(std::abs(viewCentred(p0 / 2 + p0, 0, p0 / 2, 0).u), p0, 1e-9);
}

TEST(ViewCentred, DirectionsAtRightAnglesToTheReferenceDoNotFail)
{
    // A quarter turn away on the equator (x = 0 and z = 0 before the tilt).
    const ViewAngles side = viewCentred(1, 0, 1 - p0 / 2, 0);
    EXPECT_NEAR(side.u, p0 / 2, 1e-9);
    EXPECT_NEAR(side.v, 0, 1e-12);
    // The pole seen from the equator, and the equator from the pole.
    EXPECT_NEAR(viewCentred(0, p0 / 2, 0, 0).v, p0 / 2, 1e-9);
    const ViewAngles fromPole = viewCentred(1, 0, 1, p0 / 2);
    EXPECT_NEAR(fromPole.v, -p0 / 2, 1e-9);
    // Looking at the pole, the pole itself lies at the centre.
    const ViewAngles pole = viewCentred(0.3, p0 / 2, 1.2, p0 / 2);
    EXPECT_NEAR(pole.v, 0, 1e-9);
    EXPECT_TRUE(std::isfinite(pole.u));
}

}  // namespace
}  // namespace halvane
