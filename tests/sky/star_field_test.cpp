#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "data/texts.h"
#include "render/view_angles.h"
#include "sky/star_colour.h"
#include "sky/view_centred.h"
#include "star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

int limitFor(StarSky& sky, double b3)
{
    sky.screen.b3 = b3;
    chooseStarLimit(sky.h, sky.screen, sky.plotting);
    return sky.plotting.starLimit;
}

TEST(StarLimit, PrecisionGrowsWithMagnificationAndBrightness)
{
    StarSky sky;
    EXPECT_EQ(limitFor(sky, 7.5), 10000);
    EXPECT_EQ(limitFor(sky, 50), 20000);
    EXPECT_EQ(limitFor(sky, 150), 100000);
    EXPECT_EQ(limitFor(sky, 299.99), 100000);
    EXPECT_EQ(limitFor(sky, 300), 259097);  // 300 is not below 300

    // +5 bright lowers the thresholds to about 3.07, 1.02 and 0.20.
    sky.h.vars.gra = 5;
    EXPECT_EQ(limitFor(sky, 7.5), 259097);
    EXPECT_EQ(limitFor(sky, 3), 100000);
    EXPECT_EQ(limitFor(sky, 1), 20000);
    EXPECT_EQ(limitFor(sky, 0.2), 10000);

    sky.plotting.twinkleMode = true;
    EXPECT_EQ(limitFor(sky, 300), 2000);
}

// The projection of a pass shows the precision in the panel.
int projectedLimitFor(StarSky& sky, double b3)
{
    sky.screen.b3 = b3;
    projectStars(sky.h, sky.screen, sky.plotting);
    return sky.plotting.starLimit;
}

TEST(StarLimit, NormalPrecisionTakesTenThousandRowsAndSaysSoInThePanel)
{
    StarSky sky;
    fillMenuTables(sky.h.texts);
    sky.h.vars.preci = 1;
    sky.h.vars.je = English;
    EXPECT_EQ(projectedLimitFor(sky, 1e6), 10000);
    EXPECT_EQ(sky.h.panel.box(Combo10).shown, "Normal");

    // A value no menu row has counts as Normal, and the panel puts it right.
    sky.h.vars.preci = 7;
    sky.h.vars.je = Japanese;
    EXPECT_EQ(projectedLimitFor(sky, 20), 10000);
    EXPECT_EQ(sky.h.panel.box(Combo10).shown, "通常精度");
    EXPECT_EQ(sky.h.vars.preci, 1);
}

TEST(StarProjection, AStarAtTheAimPointLandsOnTheCentrePixel)
{
    for (int selec : {display::SkyEquatorial, display::SkyEcliptic}) {
        StarSky sky(20);
        sky.h.vars.selec = selec;
        sky.h.vars.b1 = 1.2;
        sky.h.vars.b2 = -0.4;
        const bool equatorial = selec == display::SkyEquatorial;
        StarRow& star = sky.h.stars.stars[500];
        star[equatorial ? star::RightAscension : star::Longitude] = 1.2;
        star[equatorial ? star::Declination : star::Latitude] = -0.4;
        star[star::Brightness] = 20;  // level 200: one pixel
        projectStars(sky.h, sky.screen, sky.plotting);
        EXPECT_NEAR(star[star::ViewU], 0, 1e-12);
        EXPECT_NEAR(star[star::ViewV], 0, 1e-12);

        sky.plotField();
        EXPECT_EQ(sky.surface.screen().pixel(100, 50) & 0xffffff, 0xc8c8c8u);  // grey 200
        EXPECT_EQ(sky.litPixels(), 1);
    }
}

TEST(StarProjection, AStarTheAberrationMovesOntoTheChartIsProjected)
{
    // A tall, narrow chart 2e-3 radians high: its corners lie barely
    // farther from the aim point than the middle of its top edge. A star
    // 5e-5 above that edge, moved down by an aberration of 1e-4, lands
    // inside it.
    StarSky sky(2500, 15, QSize(4, 100));
    sky.h.vars.selec = display::SkyEcliptic;
    sky.h.vars.b1 = sky.h.vars.b2 = 0;
    sky.h.sky.aberration = Xyz{0, 0, -1e-4};
    StarRow& star = sky.h.stars.stars[500];
    star[star::Longitude] = 0;
    star[star::Latitude] = 1e-3 + 5e-5;
    projectStars(sky.h, sky.screen, sky.plotting);
    EXPECT_NEAR(star[star::ViewV], 1e-3 - 5e-5, 1e-8);
    EXPECT_FALSE(sky.screen.offChart(star[star::ViewU], star[star::ViewV]));
}

TEST(StarProjection, OnlyRowsUpToTheLimitAreProjected)
{
    StarSky sky(7.5);  // 10000 rows
    sky.h.stars.stars[10001][star::ViewU] = 9;
    sky.h.stars.stars[star::FirstRow - 1][star::ViewU] = 9;  // a body row
    projectStars(sky.h, sky.screen, sky.plotting);
    EXPECT_EQ(sky.h.stars.stars[10001][star::ViewU], 9);
    EXPECT_EQ(sky.h.stars.stars[star::FirstRow - 1][star::ViewU], 9);
    // Empty rows (0, 0) lie 90 degrees to the right of the default aim
    // point; a star after a run of them gets its own angles.
    EXPECT_NEAR(sky.h.stars.stars[9999][star::ViewU], -p0 / 2, 1e-9);
    sky.h.stars.stars[10000][star::RightAscension] = sky.h.vars.b1;
    sky.h.stars.stars[10000][star::Declination] = 0.2;
    projectStars(sky.h, sky.screen, sky.plotting);
    EXPECT_NEAR(sky.h.stars.stars[10000][star::ViewU], 0, 1e-12);
    EXPECT_NEAR(sky.h.stars.stars[10000][star::ViewV], 0.2, 1e-12);
    EXPECT_NEAR(sky.h.stars.stars[9999][star::ViewU], -p0 / 2, 1e-9);
}

// The angles (A, D) that the view around (b1, b2) shows at (u, v).
std::pair<double, double> skyAnglesAt(double u, double v, double b1, double b2)
{
    const double xTilted = std::cos(v) * std::cos(u), y = std::cos(v) * std::sin(u), zTilted = std::sin(v);
    const double x = xTilted * std::cos(b2) - zTilted * std::sin(b2);
    const double z = zTilted * std::cos(b2) + xTilted * std::sin(b2);
    return {b1 + std::atan2(y, x), std::asin(std::clamp(z, -1.0, 1.0))};
}

// Rows far from the aim point are settled without their angles. Stars
// scattered over twice the chart's size, corners and all, must still land
// on or off the chart exactly where their own angles put them.
TEST(StarProjection, RowsSettledByTheirDistanceAreExactlyTheRowsOffTheChart)
{
    struct View {
        int selec;
        double b1, b2, b3;
    };
    const View views[] = {{display::SkyEquatorial, 1.2, 0, 300},
                          {display::SkyEcliptic, 4.0, -1.5, 300},
                          {display::SkyEquatorial, 0.3, 1.55, 1e5},
                          {display::SkyEcliptic, 2.0, 0.7, 60},
                          {display::SkyEquatorial, 5.9, -0.2, 20}};
    constexpr int rows = 20000;
    for (const View& view : views) {
        StarSky sky(view.b3, 15, QSize(1920, 1080));
        sky.h.vars.selec = view.selec;
        sky.h.vars.b1 = view.b1;
        sky.h.vars.b2 = view.b2;
        sky.h.vars.gra = 5;  // every row projected
        const bool equatorial = view.selec == display::SkyEquatorial;
        const int a = equatorial ? star::RightAscension : star::Longitude;
        const int d = equatorial ? star::Declination : star::Latitude;
        const double uEdge = sky.angle(sky.screen.ae / 2), vEdge = sky.angle(sky.screen.bb / 2);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> spread(-2, 2);
        for (int row = star::FirstRow; row < star::FirstRow + rows; ++row) {
            const auto [A, D] = skyAnglesAt(spread(random) * uEdge, spread(random) * vEdge, view.b1, view.b2);
            sky.h.stars.stars[static_cast<size_t>(row)][a] = A;
            sky.h.stars.stars[static_cast<size_t>(row)][d] = D;
        }
        projectStars(sky.h, sky.screen, sky.plotting);

        int onChart = 0;
        for (int row = star::FirstRow; row < star::FirstRow + rows; ++row) {
            const StarRow& cells = sky.h.stars.stars[static_cast<size_t>(row)];
            const ViewAngles exact = viewCentred(cells[a], cells[d], view.b1, view.b2);
            const bool off = sky.screen.offChart(exact.u, exact.v);
            ASSERT_EQ(testOffChart(sky.h, sky.screen, row), off) << "row " << row << " b2 " << view.b2;
            if (off) continue;
            ++onChart;
            EXPECT_EQ(cells[star::ViewU], exact.u);
            EXPECT_EQ(cells[star::ViewV], exact.v);
        }
        EXPECT_GT(onChart, rows / 40) << "b2 " << view.b2;
    }
}

TEST(StarField, StarsOffTheChartOrTooFaintAreSkipped)
{
    StarSky sky(20);
    const double edge = sky.angle(1500);  // left and right edges at +-1500 twips
    sky.place(300, edge * 1.001, 0, 100);  // just beyond the left edge
    sky.place(301, 0, sky.angle(751), 100);  // just above the top
    sky.place(302, 0, 0, 10);  // level 10 is not drawn
    sky.place(303, -sky.angle(600), 0, 10.01);
    sky.place(304, edge * 0.99, -sky.angle(300), 100);
    sky.plotField();
    EXPECT_EQ(sky.litPixels(), 2);
    EXPECT_TRUE(sky.lit(2100, 750));
    EXPECT_TRUE(sky.lit(15, 1050));
    EXPECT_TRUE(testOffChart(sky.h, sky.screen, 300));
    EXPECT_TRUE(testOffChart(sky.h, sky.screen, 301));
    EXPECT_FALSE(testOffChart(sky.h, sky.screen, 304));
}

TEST(StarField, BrighterStarsArePaintedOverFainterOnes)
{
    StarSky sky(20);
    sky.place(5000, 0, 0, 50, "M");  // faint red, painted first
    sky.place(400, 0, 0, 60, "O");  // brighter blue, on top
    sky.h.vars.color = 4;
    sky.plotField();
    EXPECT_EQ(sky.surface.point(1500, 750), chooseStarColour("O", 4, 60));
}

TEST(StarField, TwinklingRepaintsOnlyBrightLowRowsAndSparesTheBodies)
{
    StarSky sky(20);
    sky.place(150, 0, 0, 250);  // repainted
    sky.place(160, sky.angle(300), 0, 150);  // too faint for the repaint
    sky.place(2500, sky.angle(600), 0, 250);  // beyond row 2000
    sky.place(170, -sky.angle(300), 0, 250);  // sits on the Moon
    sky.surface.setPixel(120, 50, {220, 220, 220});
    sky.plotting.twinkleMode = true;
    sky.plotField();
    EXPECT_EQ(sky.surface.point(1500, 750), (Rgb{250, 250, 250}));
    EXPECT_FALSE(sky.lit(1200, 750));
    EXPECT_FALSE(sky.lit(900, 750));
    EXPECT_EQ(sky.surface.point(1800, 750), (Rgb{220, 220, 220}));
}

TEST(StarField, SettingsFromOutsideTheMenusAndBrokenRowsDoNotBreakThePass)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    StarSky sky(20);
    sky.h.vars.gra = 1000;  // held to +5 bright
    sky.h.vars.color = -3;
    sky.h.vars.cross = 99;
    sky.place(300, nan, 0, 100);
    sky.place(301, 0, 0, inf);
    sky.place(302, 0, 0, nan);
    sky.place(303, sky.angle(200), 0, -500);
    sky.h.stars.spectralClass[303] = "";
    sky.plotField();
    EXPECT_EQ(sky.plotting.starLimit, 259097);
    sky.h.stars.stars[304][star::Brightness] = 1;
    EXPECT_EQ(starLevelOf(sky.h, sky.screen, 304), 0.5 * 20 * 97.65625);  // 2.5^5
    EXPECT_TRUE(testOffChart(sky.h, sky.screen, 300));
    EXPECT_EQ(sky.litPixels(), 200 * 100);  // the infinite star covers all

    // Magnifications no pass should bring: no star at all, or one star
    // filling the screen.
    for (const auto& [b3, lit] : {std::pair{nan, 0}, {-20.0, 0}, {0.0, 0}, {1e300, 200 * 100}}) {
        StarSky odd(b3);
        projectStars(odd.h, odd.screen, odd.plotting);
        odd.place(700, 0, 0, 1000 * 0.5 * b3);  // at the aim point
        odd.plotField();
        EXPECT_EQ(odd.litPixels(), lit) << b3;
        odd.plotting.starRow = 259098;  // beyond the table: nothing more
        plotStar(odd.h, odd.surface, odd.screen, odd.plotting);
        EXPECT_EQ(odd.litPixels(), lit) << b3;
    }
}

TEST(StarField, AHugeStarAtAHighMagnificationFillsTheScreenAtOnce)
{
    // Sirius at the centre at the largest magnification and +5 bright: a
    // block of some 10^10 dots, nearly all of them off the screen.
    StarSky sky(1e8);
    sky.h.vars.gra = 5;
    sky.h.stars.stars[101][star::Brightness] = 1500;
    sky.plotField();
    EXPECT_GT(sky.plotting.starSize, 1e5);
    EXPECT_EQ(sky.litPixels(), 200 * 100);
}

}  // namespace
}  // namespace halvane
