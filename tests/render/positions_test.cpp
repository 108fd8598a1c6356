#include "render/positions.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/kepler.h"
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

TEST(Positions, TheMoonIsPlacedAroundTheEarth)
{
    auto h = skyAt({2020, 12, 21, 9, 0}, Earth);
    const auto& b = h->bodies;
    const Xyz moon{b.x[Moon], b.y[Moon], b.z[Moon]};
    const Xyz fromEarth{moon.x - b.x[Earth], moon.y - b.y[Earth], moon.z - b.z[Earth]};
    EXPECT_NEAR(length(fromEarth), h->sky.r10 * a10, 1e-15);
    EXPECT_DOUBLE_EQ(b.semiMajorAxis[Moon], length(moon));
    EXPECT_NEAR(std::atan2(fromEarth.y, fromEarth.x) * p1 + 360, h->sky.longitudeDegrees[Moon], 1e-9);
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

}  // namespace
}  // namespace halvane
