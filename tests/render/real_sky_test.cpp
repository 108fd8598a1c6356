// The model against the real sky. Its orbits are fixed Kepler ellipses with
// no perturbations, so the outer planets and the full Moon are off by up to
// two or three degrees; each tolerance is a little above the error measured
// at that moment, so a sign error or a swapped angle fails.
#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "render/sky_at.h"

namespace halvane {
namespace {

using namespace body;
using testing::degreesApart;
using testing::skyAt;
using testing::UtMoment;

double longitudeDeg(const Halvane& h, int i) { return h.sky.longitudeDegrees[i]; }
double latitudeDeg(const Halvane& h, int i) { return h.sky.eclipticLatitude[i] * p1; }

// Longitude of `i` less the Sun's, seen from the Earth.
double elongationDeg(UtMoment moment, int i)
{
    const auto h = skyAt(moment, Earth);
    return degreesApart(longitudeDeg(*h, i), longitudeDeg(*h, Sun));
}

TEST(RealSky, SunAtTheMarchEquinoxOf2000)
{
    const auto h = skyAt({2000, 3, 20, 7, 35}, Earth);
    EXPECT_NEAR(degreesApart(longitudeDeg(*h, Sun), 0), 0, 0.05);
    EXPECT_NEAR(latitudeDeg(*h, Sun), 0, 0.001);
}

TEST(RealSky, EarthsDistanceAtPerihelionAndAphelion2000)
{
    EXPECT_NEAR(skyAt({2000, 1, 3, 5, 0}, Earth)->sky.r03, 0.98329, 0.0003);
    EXPECT_NEAR(skyAt({2000, 7, 4, 0, 0}, Earth)->sky.r03, 1.01671, 0.0003);
}

TEST(RealSky, GreatConjunctionOfJupiterAndSaturn2020)
{
    const auto h = skyAt({2020, 12, 21, 18, 0}, Earth);
    EXPECT_NEAR(degreesApart(longitudeDeg(*h, Jupiter), longitudeDeg(*h, Saturn)), 0, 0.6);  // measured -0.28
    EXPECT_NEAR(degreesApart(longitudeDeg(*h, Jupiter), 300.2), 0, 2);  // measured -1.5
    EXPECT_NEAR(degreesApart(longitudeDeg(*h, Saturn), 300.2), 0, 2);  // measured -1.2
}

TEST(RealSky, PlanetsOppositeTheSunAtTheirOppositions)
{
    EXPECT_NEAR(std::abs(elongationDeg({2020, 10, 13, 23, 20}, Mars)), 180, 1.6);  // measured -1.2
    EXPECT_NEAR(std::abs(elongationDeg({2020, 7, 14, 8, 0}, Jupiter)), 180, 2.5);  // measured -2.2
    EXPECT_NEAR(std::abs(elongationDeg({2020, 7, 20, 22, 0}, Saturn)), 180, 1.8);  // measured -1.5
    EXPECT_NEAR(std::abs(elongationDeg({2020, 10, 31, 16, 0}, Uranus)), 180, 1.5);  // measured +1.2
    EXPECT_NEAR(std::abs(elongationDeg({2020, 9, 11, 20, 0}, Neptune)), 180, 1.6);  // measured +1.3
}

TEST(RealSky, InnerPlanetsAtTheirGreatestElongations2020)
{
    EXPECT_NEAR(elongationDeg({2020, 2, 10, 14, 0}, Mercury), 18.2, 0.4);  // east, measured 18.1
    EXPECT_NEAR(elongationDeg({2020, 3, 24, 22, 0}, Venus), 46.1, 0.4);  // east, measured 46.0
    EXPECT_NEAR(elongationDeg({2020, 8, 13, 0, 0}, Venus), -45.8, 0.4);  // west, measured -45.7
}

TEST(RealSky, HeliocentricLongitudesFromTheSun)
{
    // At opposition Mars stands in line with the Earth seen from the Sun.
    const auto opposition = skyAt({2020, 10, 13, 23, 20}, Sun);
    EXPECT_NEAR(degreesApart(longitudeDeg(*opposition, Mars), longitudeDeg(*opposition, Earth)), 0, 0.6);
    // Jupiter passed its perihelion (longitude 14.4) on 21 January 2023.
    const auto perihelion = skyAt({2023, 1, 21, 0, 0}, Sun);
    EXPECT_NEAR(degreesApart(longitudeDeg(*perihelion, Jupiter), 14.4), 0, 2.6);  // measured -2.3
}

TEST(RealSky, MoonAtNewAndFullMoon2021)
{
    // The empirical correction fits the new moons closely; full moons are
    // left up to about 2.7 degrees off.
    EXPECT_NEAR(elongationDeg({2021, 9, 7, 0, 52}, Moon), 0, 0.3);  // measured -0.04
    EXPECT_NEAR(elongationDeg({2021, 2, 11, 19, 6}, Moon), 0, 0.3);  // measured +0.13
    EXPECT_NEAR(std::abs(elongationDeg({2021, 1, 28, 19, 16}, Moon)), 180, 3);  // measured -2.6
}

TEST(RealSky, MoonNearTheEclipticAtEclipses)
{
    EXPECT_NEAR(latitudeDeg(*skyAt({2017, 8, 21, 18, 26}, Earth), Moon), 0, 0.6);  // solar, measured 0.14
    EXPECT_NEAR(latitudeDeg(*skyAt({2021, 5, 26, 11, 18}, Earth), Moon), 0, 1.2);  // lunar, measured 0.86
    EXPECT_NEAR(latitudeDeg(*skyAt({2022, 11, 8, 10, 59}, Earth), Moon), 0, 0.6);  // lunar, measured -0.05
}

TEST(RealSky, CeresWhereTheAsteroidFilePutsIt)
{
    if (!std::filesystem::exists(HALVANE_ASSETS_DIR "/asteroids.csv")) GTEST_SKIP() << "no asteroid file";
    auto h = testing::formWithTables(HALVANE_ASSETS_DIR);
    int ceres = -1;
    for (int i = FirstAsteroid; i <= LastAsteroid; ++i)
        if (h->texts.bodyNames[English][i] == "Ceres") ceres = i;
    if (ceres < 0) GTEST_SKIP() << "Ceres is not in the asteroid file";

    // At its oppositions of 2020, 2021 and 2023, far south, near and far
    // north of the ecliptic (measured 0.06, -0.43 and -0.22 degrees off).
    testing::computeSky(*h, {2020, 8, 28, 12, 0}, Earth);
    EXPECT_NEAR(std::abs(degreesApart(longitudeDeg(*h, ceres), longitudeDeg(*h, Sun))), 180, 0.7);
    EXPECT_LT(latitudeDeg(*h, ceres), -10);
    testing::computeSky(*h, {2021, 11, 27, 12, 0}, Earth);
    EXPECT_NEAR(std::abs(degreesApart(longitudeDeg(*h, ceres), longitudeDeg(*h, Sun))), 180, 0.7);
    testing::computeSky(*h, {2023, 3, 21, 12, 0}, Earth);
    EXPECT_NEAR(std::abs(degreesApart(longitudeDeg(*h, ceres), longitudeDeg(*h, Sun))), 180, 0.7);
    EXPECT_GT(latitudeDeg(*h, ceres), 10);
}

}  // namespace
}  // namespace halvane
