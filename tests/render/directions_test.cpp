#include "ephemeris/directions.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "ephemeris/angles.h"
#include "ephemeris/constants.h"
#include "ephemeris/reference_points.h"
#include "render/positions.h"
#include "render/sky_at.h"

namespace halvane {
namespace {

using namespace body;
using testing::skyAt;

constexpr double untouched = -99;

std::vector<int> allBut(int left, int first, int last)
{
    std::vector<int> bodies;
    for (int i = first; i <= last; ++i)
        if (i != left) bodies.push_back(i);
    return bodies;
}

TEST(Directions, TheViewpointsRoundHandlesTheBodyAfterIt)
{
    auto h = skyAt({2020, 12, 21, 9, 0}, Mars);
    h->sky.eclipticLongitude[Mars] = untouched;
    EXPECT_EQ(directionsFromViewpoint(h->bodies, h->sky, Mars), allBut(Mars, Sun, LastAsteroid));
    EXPECT_EQ(h->sky.eclipticLongitude[Mars], untouched);

    // The last asteroid's round reaches the first tail end, which is no body.
    h->bodies.x[LastAsteroid] = 5;  // without their files the small bodies sit at the Sun
    EXPECT_EQ(directionsFromViewpoint(h->bodies, h->sky, LastAsteroid),
              allBut(LastAsteroid, Sun, FirstTailEnd));
}

TEST(Directions, TheMoonSeenFromTheEarthKeepsItsCorrectedDirection)
{
    auto h = skyAt({2021, 9, 7, 0, 52}, Earth);
    const double moonLongitude = h->sky.longitudeDegrees[Moon];
    const double moonLatitude = h->sky.eclipticLatitude[Moon];
    const auto directed = directionsFromViewpoint(h->bodies, h->sky, Earth);
    auto expected = allBut(Earth, Sun, LastAsteroid);
    expected.erase(std::find(expected.begin(), expected.end(), Moon));
    EXPECT_EQ(directed, expected);
    EXPECT_EQ(h->sky.longitudeDegrees[Moon], moonLongitude);
    EXPECT_EQ(h->sky.eclipticLatitude[Moon], moonLatitude);

    // Seen from the Earth's heliocentric difference the latitude would differ.
    const double dx = h->bodies.x[Moon] - h->bodies.x[Earth], dy = h->bodies.y[Moon] - h->bodies.y[Earth],
                 dz = h->bodies.z[Moon] - h->bodies.z[Earth];
    EXPECT_NE(latitudeOfDirection(dx, dy, dz), moonLatitude);
}

TEST(Directions, BodiesAtTheViewpointsXKeepTheirDirection)
{
    auto h = skyAt({2020, 12, 21, 9, 0}, Earth);
    auto& b = h->bodies;
    b.x[Earth] = 0.12345678901234567;
    b.x[22] = b.x[Earth];
    b.x[23] = *parseNumber(numberText(b.x[Earth]));  // 15 digits
    ASSERT_NE(b.x[23], b.x[Earth]);
    h->sky.eclipticLongitude[22] = h->sky.eclipticLongitude[23] = untouched;

    const auto directed = directionsFromViewpoint(b, h->sky, Earth);
    EXPECT_EQ(std::count(directed.begin(), directed.end(), 22), 0);
    EXPECT_EQ(std::count(directed.begin(), directed.end(), 23), 0);
    EXPECT_EQ(h->sky.eclipticLongitude[22], untouched);
    EXPECT_EQ(h->sky.eclipticLongitude[23], untouched);
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
    EXPECT_EQ(viewpointIndex(Mars), Mars);
    EXPECT_EQ(viewpointIndex(FixedPoint), FixedPoint);
    EXPECT_EQ(viewpointIndex(-1), FixedPoint);
    EXPECT_EQ(viewpointIndex(1000000), FixedPoint);
    auto fixed = skyAt({2020, 12, 21, 9, 0}, FixedPoint);
    auto unknown = skyAt({2020, 12, 21, 9, 0}, 1000000);
    EXPECT_EQ(fixed->sky.longitudeDegrees, unknown->sky.longitudeDegrees);
}

}  // namespace
}  // namespace halvane
