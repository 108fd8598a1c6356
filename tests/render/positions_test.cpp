#include "render/positions.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/constants.h"
#include "render/sky_at.h"

namespace halvane {
namespace {

using namespace body;
using testing::skyAt;

TEST(Positions, TheViewpointRoundedDownBecomesTheFixedPoint)
{
    auto h = skyAt({2020, 12, 21, 9, 0}, Jupiter);
    const auto& b = h->bodies;
    ASSERT_NEAR(b.y[Jupiter], -4.23663, 0.00001);
    EXPECT_EQ(h->panel.text(Text18), "-4.2367");
    EXPECT_EQ(b.y[FixedPoint], -4.2367);
    EXPECT_EQ(h->panel.text(Text17), numberText(std::floor(10000 * b.x[Jupiter]) / 10000));
    EXPECT_EQ(b.x[FixedPoint], std::floor(10000 * b.x[Jupiter]) / 10000);
}

TEST(Positions, AnUnknownPeriodBecomesOneYearAndTheSunStaysAtTheCentre)
{
    auto h = testing::formWithTables();
    h->bodies.period[FirstComet] = 0;
    testing::computeSky(*h, {2020, 12, 21, 9, 0}, Earth);
    EXPECT_EQ(h->bodies.period[FirstComet], 1);
    EXPECT_EQ(h->bodies.period[Sun], 1);
    EXPECT_EQ(h->bodies.x[Sun], 0);
    EXPECT_EQ(h->bodies.y[Sun], 0);
    EXPECT_EQ(h->bodies.z[Sun], 0);
}

TEST(Directions, LongitudesLieInOneTurnAndReachTheStarTable)
{
    auto h = skyAt({2020, 12, 21, 9, 0}, Jupiter);
    for (int i = Sun; i <= LastAsteroid; ++i) {
        if (i == Jupiter) continue;
        EXPECT_GE(h->sky.eclipticLongitude[i], 0) << i;
        EXPECT_LT(h->sky.eclipticLongitude[i], 2 * p0) << i;
        EXPECT_DOUBLE_EQ(h->sky.longitudeDegrees[i], h->sky.eclipticLongitude[i] * p1);
        EXPECT_EQ(h->stars.stars[i][star::Longitude], h->sky.eclipticLongitude[i]);
        EXPECT_EQ(h->stars.stars[i][star::Latitude], h->sky.eclipticLatitude[i]);
    }
}

TEST(Directions, AViewpointOutsideTheTablesLooksFromTheFixedPoint)
{
    auto fixed = skyAt({2020, 12, 21, 9, 0}, FixedPoint);
    auto unknown = skyAt({2020, 12, 21, 9, 0}, 1000000);
    EXPECT_EQ(fixed->sky.longitudeDegrees, unknown->sky.longitudeDegrees);
}

}  // namespace
}  // namespace halvane
