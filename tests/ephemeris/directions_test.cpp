#include "ephemeris/directions.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "util/numbers.h"

namespace halvane {
namespace {

using namespace body;

constexpr double untouched = -99;  // no direction has this longitude or latitude

// Every entry on an x of its own.
HeliocentricPositions spreadOut()
{
    HeliocentricPositions p;
    for (size_t i = 0; i < Slots; ++i) {
        p.x[i] = 0.5 + static_cast<double>(i);
        p.y[i] = 1;
        p.z[i] = 0.1;
    }
    return p;
}

std::vector<int> allBut(int left, int first, int last)
{
    std::vector<int> bodies;
    for (int i = first; i <= last; ++i)
        if (i != left) bodies.push_back(i);
    return bodies;
}

TEST(Directions, TheViewpointsRoundHandlesTheBodyAfterIt)
{
    const HeliocentricPositions p = spreadOut();
    SkyPositions sky;
    sky.eclipticLongitude[Mars] = untouched;
    EXPECT_EQ(directionsFromViewpoint(p, sky, Mars), allBut(Mars, Sun, LastAsteroid));
    EXPECT_EQ(sky.eclipticLongitude[Mars], untouched);

    // The last asteroid's round reaches the first tail end, which is no body.
    EXPECT_EQ(directionsFromViewpoint(p, sky, LastAsteroid), allBut(LastAsteroid, Sun, FirstTailEnd));
}

TEST(Directions, TheMoonSeenFromTheEarthKeepsTheDirectionItsOwnStepSet)
{
    SkyPositions sky;
    sky.longitudeDegrees[Moon] = sky.eclipticLatitude[Moon] = untouched;
    auto expected = allBut(Earth, Sun, LastAsteroid);
    expected.erase(std::find(expected.begin(), expected.end(), Moon));
    EXPECT_EQ(directionsFromViewpoint(spreadOut(), sky, Earth), expected);
    EXPECT_EQ(sky.longitudeDegrees[Moon], untouched);
    EXPECT_EQ(sky.eclipticLatitude[Moon], untouched);
}

TEST(Directions, BodiesAtTheViewpointsXKeepTheirDirection)
{
    HeliocentricPositions p = spreadOut();
    p.x[Earth] = 0.12345678901234567;
    p.x[22] = p.x[Earth];
    p.x[23] = *parseNumber(numberText(p.x[Earth]));  // 15 digits
    ASSERT_NE(p.x[23], p.x[Earth]);
    SkyPositions sky;
    sky.eclipticLongitude[22] = sky.eclipticLongitude[23] = untouched;

    const auto directed = directionsFromViewpoint(p, sky, Earth);
    EXPECT_EQ(std::count(directed.begin(), directed.end(), 22), 0);
    EXPECT_EQ(std::count(directed.begin(), directed.end(), 23), 0);
    EXPECT_EQ(sky.eclipticLongitude[22], untouched);
    EXPECT_EQ(sky.eclipticLongitude[23], untouched);
}

TEST(Directions, AViewpointOutsideTheTablesIsTheFixedPoint)
{
    EXPECT_EQ(viewpointIndex(Mars), Mars);
    EXPECT_EQ(viewpointIndex(FixedPoint), FixedPoint);
    EXPECT_EQ(viewpointIndex(-1), FixedPoint);
    EXPECT_EQ(viewpointIndex(1000000), FixedPoint);
}

}  // namespace
}  // namespace halvane
