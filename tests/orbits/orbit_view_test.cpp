// The orbit views by pixels at the positions the rules put things.
#include <gtest/gtest.h>

#include "orbit_scene.h"
#include "orbits/orbit_projection.h"
#include "orbits/orbit_rays.h"
#include "orbits/orbit_tails.h"

namespace halvane {
namespace {

using testing::OrbitScene;
using testing::yellow;

constexpr double au = 1100;  // twips per AU at magnification 200

struct PlanCase {
    double kaiten, Ka;
    Xyz p;
    double right, down;  // AU from the Sun on the screen
    int depthSign;
};

TEST(OrbitPlan, TurnAndTiltPutABodyWhereTheViewSees)
{
    const PlanCase cases[] = {
        {0, 90, {1, 0, 0}, 0, 1, 0},  // towards the equinox: straight below the Sun
        {0, 90, {0, 1, 0}, -1, 0, 0},  // +Y: straight to its left
        {0, 90, {0, 0, 1}, 0, 0, -1},  // above the ecliptic: behind
        {90, 90, {1, 0, 0}, 1, 0, 0},  // turned a quarter: +X to the right
        {90, 90, {0, 1, 0}, 0, 1, 0}, {0, 0, {0, 0, 1}, 0, -1, 0},  // edge-on: above the ecliptic is up
        {0, 0, {-1, 0, 1}, 0, -1, 1},  // edge-on: -X comes towards the viewer
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "kaiten " << c.kaiten << " Ka " << c.Ka << " p " << c.p.x << c.p.y << c.p.z);
        OrbitScene scene(display::OneOrbit, c.kaiten, c.Ka);
        // 1.05 AU out, between two dots of the direction rays.
        scene.place(body::Mars, {1.05 * c.p.x, 1.05 * c.p.y, 1.05 * c.p.z}, 1);
        scene.draw();
        EXPECT_EQ(scene.at(scene.cx + 1.05 * c.right * au, scene.cy + 1.05 * c.down * au), yellow);
        const OrbitView view = orbitViewOf(scene.h.vars, scene.cx * 2, scene.cy * 2, 200);
        const double D = intoPicture(view, orbitPicture(view, 1), c.p).D;
        if (c.depthSign == 0)
            EXPECT_NEAR(D, 0, 1e-9);
        else
            EXPECT_EQ(D > 0 ? 1 : -1, c.depthSign);
    }
}

TEST(OrbitPlan, TwoOrbitShowsInnerOrbitsLeftAndOuterOnesRight)
{
    OrbitScene scene(display::TwoOrbit);
    const double left = scene.cx / 2, right = 3 * scene.cx / 2;
    scene.place(body::Mercury, {1.5, 0, 0}, 0.387);  // 0.387 >= 0.5 / 1.4, < 0.5 / 0.1
    scene.place(body::Jupiter, {-1.5, 0, 0}, 5.2);
    scene.draw();
    EXPECT_EQ(scene.at(left, scene.cy), yellow);
    EXPECT_EQ(scene.at(right, scene.cy), yellow);
    EXPECT_NE(scene.at(scene.cx, scene.cy), yellow);
    EXPECT_EQ(scene.at(left, scene.cy + 1.5 * 1.4 * au), yellow);
    EXPECT_NE(scene.at(right, scene.cy + 1.5 * 0.1 * au), yellow);
    EXPECT_EQ(scene.at(left, scene.cy - 1.5 * 1.4 * au), yellow);
    EXPECT_EQ(scene.at(right, scene.cy - 1.5 * 0.1 * au), yellow);
}

TEST(OrbitPlan, StereoPairStandsApartAndTurnsTheNearSideInwards)
{
    OrbitScene scene(display::ThreeDOrbit);
    scene.h.vars.d3dd = 1;
    scene.h.vars.d3dd00 = 1;
    scene.place(body::Neptune, {0, 0, -10}, 10);  // below the ecliptic: towards the viewer
    scene.draw();
    const double left = scene.cx - 1200, right = scene.cx + 1200;
    const double shift = 10 * au * std::sin(radiansFromDegrees(2));
    EXPECT_EQ(scene.at(left, scene.cy), yellow);
    EXPECT_EQ(scene.at(right, scene.cy), yellow);
    EXPECT_EQ(scene.at(left + shift, scene.cy), yellow);
    EXPECT_EQ(scene.at(right - shift, scene.cy), yellow);
    EXPECT_NE(scene.at(left - shift, scene.cy), yellow);
    EXPECT_NE(scene.at(right + shift, scene.cy), yellow);
}

struct CurveCase {
    int orbit, i;
    double e;
    Rgb expected;  // black: no orbit drawn
};

// A circle of 1 AU in the ecliptic, seen from the pole: its point at 45
// degrees lies down and to the left, between two direction rays.
TEST(OrbitCurves, TheBodiesShownBoxAndTheClassSetTheOrbits)
{
    constexpr Rgb planet{50, 50, 156}, comet{106, 0, 106}, asteroid{50, 30, 75}, none{};
    const CurveCase cases[] = {
        {0, body::Mars, 0, planet},        {1, body::Mars, 0, planet},
        {1, body::FirstAsteroid, 0, none}, {2, body::FirstComet, 0, comet},
        {2, body::LastAsteroid, 0, none},  {3, body::FirstComet, 0, none},
        {3, body::LastComet, 0, none},     {3, body::FirstAsteroid, 0, asteroid},
        {0, body::Moon, 0, none},  // the Moon has no orbit
        {0, body::FirstComet, 1, none},  // nor has an open one
    };
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "orbit " << c.orbit << " body " << c.i << " e " << c.e);
        OrbitScene scene(display::OneOrbit);
        scene.h.vars.orbit = c.orbit;
        scene.h.bodies.semiMajorAxis[c.i] = 1;
        scene.h.bodies.eccentricity[c.i] = c.e;
        scene.draw();
        const double d = au * std::cos(radiansFromDegrees(45));
        EXPECT_EQ(scene.at(scene.cx - d, scene.cy + d), c.expected);
    }
}

struct TailCase {
    Xyz comet;
    double exponent;
    Xyz end;
};

TEST(OrbitTails, PointAwayFromTheSunUpTo20AU)
{
    const double s = std::sqrt(0.5);
    const TailCase cases[] = {
        {{s, s, 0}, 3, {1.2 * s, 1.2 * s, 0}},  // one fifth at 1 AU with exponent 3
        {{25, 0, 0}, 3, {25, 0, 0}},  // none beyond 20 AU
        {{0, 0, 20}, 3, {0, 0, 20 + 0.2 * 20 / 14.3}},  // still one at 20 AU
        {{0, -2, 0}, 0, {0, -2, 0}},  // none without an exponent
    };
    for (const TailCase& c : cases) {
        OrbitScene scene(display::OneOrbit);
        scene.place(body::FirstComet, c.comet, 0);
        scene.h.bodies.cometExponent[body::FirstComet] = c.exponent;
        scene.draw();
        const auto& end = scene.h.tailEnds[body::FirstComet];
        EXPECT_NEAR(end[0], c.end.x, 1e-6);
        EXPECT_NEAR(end[1], c.end.y, 1e-6);
        EXPECT_NEAR(end[2], c.end.z, 1e-5);
    }
    OrbitScene scene(display::OneOrbit);
    scene.place(body::FirstComet, {s, s, 0}, 0);
    scene.h.bodies.cometExponent[body::FirstComet] = 3;
    scene.draw();
    EXPECT_EQ(scene.at(scene.cx - 1.1 * au * s, scene.cy + 1.1 * au * s), (Rgb{50, 50, 60}));
    EXPECT_EQ(scene.at(scene.cx - 1.3 * au * s, scene.cy + 1.3 * au * s), Rgb{});
    scene.h.vars.orbit = 3;  // comets hidden: no tail
    scene.draw();
    EXPECT_EQ(scene.at(scene.cx - 1.1 * au * s, scene.cy + 1.1 * au * s), Rgb{});
}

TEST(DirectionRays, ShadeBySignOfTheTilt)
{
    for (const auto& [Ka, sign] : {std::pair{90.0, -1}, {270.0, 1}, {-90.0, 1}, {0.0, -1}, {180.0, -1}, {360.0, -1}})
        EXPECT_EQ(raySign(Ka), sign) << Ka;
    // Ray 1 at its tenth dot (red, every fifth is): tilt 30 lies 500 twips
    // below the Sun with q = -4.33; tilt 210 turns it over, 500 above, q = +4.33.
    struct {
        double Ka, down;
        Rgb colour;
    } const rays[] = {{30, 500, {103, 0, 0}}, {210, -500, {146, 0, 0}}};
    for (const auto& ray : rays) {
        OrbitScene scene(display::OneOrbit, 0, ray.Ka);
        scene.draw();
        EXPECT_EQ(scene.at(scene.cx, scene.cy + ray.down), ray.colour) << ray.Ka;
    }
}

TEST(DirectionRays, EquinoxLabelSitsOnTheRayOfTheDatesEquinox)
{
    for (const double equinoxDeg : {0.0, 90.0}) {
        OrbitScene scene(display::OneOrbit);
        scene.h.texts.equinoxLabel = {"■", "■"};
        scene.h.sky.longitudeDegrees[body::VernalEquinox] = equinoxDeg;
        scene.draw();
        // 0 degrees: along +X, below the Sun; 90 degrees: along +Y, to its left.
        const double x = equinoxDeg == 0 ? scene.cx : scene.cx - 4455;
        const double y = equinoxDeg == 0 ? scene.cy + 4455 : scene.cy;
        EXPECT_EQ(scene.at(x + 60, y + 100), (Rgb{156, 156, 200})) << equinoxDeg;
    }
}

}  // namespace
}  // namespace halvane
