#include "sky/sky_bodies.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/body_tables.h"
#include "drawing/chart_colours.h"
#include "render/sky_at.h"
#include "render/tail_ends.h"
#include "sky/body_disc.h"
#include "sky/comet_tails.h"
#include "sky/star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

// A sky with the aim point at 0, 0 and the Earth as viewpoint at (1, 0, 0)
// unless a test moves it; bodies are placed by screen angle and position.
struct BodySky : StarSky {
    explicit BodySky(double b3 = 20, QSize pixels = QSize(400, 400)) : StarSky(b3, 15, pixels)
    {
        h.vars.b1 = 0, h.vars.b2 = 0;
        h.vars.view = body::Earth;
        put(body::Earth, {1, 0, 0});
        offChart(body::Sun);
    }

    struct Xyz {
        double x, y, z;
    };

    void put(int i, Xyz p) { h.bodies.x[i] = p.x, h.bodies.y[i] = p.y, h.bodies.z[i] = p.z; }
    void at(int i, double u, double v)
    {
        h.stars.stars[static_cast<size_t>(i)][star::ViewU] = u;
        h.stars.stars[static_cast<size_t>(i)][star::ViewV] = v;
    }
    void offChart(int i) { at(i, 3, 1.5); }

    // Display scale that gives brightness `level` at the body's distance.
    void brightness(int i, double level)
    {
        const double d =
            std::hypot(h.bodies.x[i] - h.bodies.x[3], h.bodies.y[i] - h.bodies.y[3], h.bodies.z[i] - h.bodies.z[3]);
        h.bodies.displayScale[i] = static_cast<float>(level / (50.0 / 4) / std::sqrt(screen.b3 / 20 / d));
    }

    PassNumberMarks marks;

    // The pass keeps the tail ends before the bodies are drawn.
    void draw(int passCounter = 1)
    {
        keepSkyTailEnds(h);
        drawSkyBodies(h, surface, screen, plotting, passCounter, marks);
    }

    Rgb pixelAt(double u, double v) const { return surface.point(screen.x(u), screen.y(v)); }

    int count(Rgb colour, int fromX, int toX) const
    {
        int n = 0;
        const QImage& image = surface.screen();
        const QRgb wanted = qRgb(colour.r, colour.g, colour.b);
        for (int y = 0; y < image.height(); ++y)
            for (int x = fromX; x < toX; ++x) n += (image.pixel(x, y) & 0xffffff) == (wanted & 0xffffff);
        return n;
    }
};

TEST(SunGlow, RadiusAndPenByMagnificationAndDistance)
{
    EXPECT_DOUBLE_EQ(sunGlow(20, 1).radius, 115);
    EXPECT_EQ(sunGlow(20, 1).penWidth, 8);
    EXPECT_NEAR(sunGlow(20, 0).radius, 115 / std::sqrt(0.0005), 1e-9);  // a viewpoint at the Sun
    EXPECT_EQ(sunGlow(1e8, 1).radius, 10000);
    EXPECT_EQ(penWidthForSize(1e12), 1000);
    EXPECT_EQ(penWidthForSize(std::nan("")), 1);

    BodySky sky;
    sky.at(body::Sun, 0, 0);
    sky.draw();
    const Rgb glow{255, 200, 100};
    // Dots 8 pixels wide on rings up to 115 twips: lit to 115 + 60 twips, dark beyond.
    for (double r : {0.0, 100.0, 160.0}) {
        EXPECT_EQ(sky.surface.point(sky.screen.ae / 2 + r, sky.screen.bb / 2), glow) << r;
        EXPECT_EQ(sky.surface.point(sky.screen.ae / 2, sky.screen.bb / 2 - r), glow) << r;
    }
    EXPECT_EQ(sky.surface.point(sky.screen.ae / 2 + 200, sky.screen.bb / 2), Rgb{});

    BodySky fromTheSun;
    fromTheSun.h.vars.view = body::Sun;
    fromTheSun.at(body::Sun, 0, 0);
    fromTheSun.draw();
    EXPECT_EQ(fromTheSun.litPixels(), 0);
}

TEST(CometTail, NoneFarFromTheSunOrWhenTooShort)
{
    EXPECT_EQ(tailFactor(3, 5), 0);
    EXPECT_NEAR(tailFactor(3, 1), 0.2, 1e-12);
    EXPECT_EQ(tailFactor(0.3, 1), 0);  // 0.002: too short

    const Rgb tail{50, 50, 60};
    struct Case {
        double exponent, r;
        bool drawn;
    } cases[] = {{3, 1, true}, {3, 5, false}, {0.3, 1, false}};
    for (const Case& c : cases) {
        BodySky sky;
        const int comet = body::FirstComet;
        sky.put(comet, {c.r, 0.001, 0.2});
        sky.h.bodies.cometExponent[comet] = c.exponent;
        sky.brightness(comet, 100);
        sky.at(comet, 0, 0);
        sky.draw();
        EXPECT_EQ(sky.count(tail, 0, 400) > 0, c.drawn) << c.exponent << " " << c.r;
        if (c.drawn) {
            // The tail end lies beyond the comet, seen from the Earth at (1, 0, 0).
            const double r = std::hypot(c.r, 0.001, 0.2);
            EXPECT_NEAR(sky.h.tailEnds[comet][0], c.r * (1 + tailFactor(3, r)), 1e-6);
            EXPECT_GT(sky.h.sky.eclipticLatitude[comet + 20], 0.1);
        }
    }
}

// The disc of Mars seen at phase angle `phase`, with the Sun to the left on
// the screen: the lit share of each half of the disc.
struct PhaseShares {
    double sunSide, farSide;
};

PhaseShares phasePicture(double phase)
{
    BodySky sky;
    const double bodyX = 2;
    const Rgb colour{255, 156, 106};
    sky.put(body::Mars, {bodyX, 1e-9, 0});
    sky.put(body::Earth, {bodyX + std::cos(p0 - phase), std::sin(p0 - phase), 0});
    sky.h.bodies.displayScale[body::Mars] = 4 * 1800;  // a disc of 1800 twips at 1 AU, pen 29 pixels
    sky.h.bodies.colour[body::Mars] = colour;
    sky.at(body::Mars, 0, 0);
    sky.at(body::Sun, 0.1, 0);
    sky.draw();
    const auto share = [&](int from, int to) {
        const double lit = sky.count(colour, from, to), dark = sky.count(DarkSide, from, to);
        return lit / (lit + dark);
    };
    return {share(0, 200), share(200, 400)};
}

TEST(BodyDisc, PhaseLightsTheSunwardSideFirst)
{
    struct Case {
        double phase, sunSide, farSide;
    } cases[] = {{0, 1, 1},       {p0 / 3, 1, 0.5},       {p0 / 2 - 0.2, 1, 0.2}, {p0 / 2, 1, 0},
                 {-p0 / 2, 1, 0}, {p0 / 2 + 0.2, 0.8, 0}, {2 * p0 / 3, 0.5, 0},   {p0, 0, 0}};
    for (const Case& c : cases) {
        const PhaseShares shares = phasePicture(c.phase);
        EXPECT_NEAR(shares.sunSide, c.sunSide, 0.15) << c.phase;
        EXPECT_NEAR(shares.farSide, c.farSide, 0.15) << c.phase;
    }
    EXPECT_EQ(phasePicture(0).farSide, 1);
    EXPECT_EQ(phasePicture(p0).sunSide, 0);
}

// The Moon, Venus and Mercury with their own sizes at their distances, at
// magnifications up to 100,000: the lit share of the disc is the
// illuminated fraction (1 + cos phase) / 2, near the quarters too.
TEST(BodyDisc, LitShareIsTheIlluminatedFraction)
{
    const auto tables = testing::formWithTables();
    fillBodyColours(tables->bodies);
    fillDisplayScales(tables->bodies);
    tables->sky.r10 = 1;
    // From the least magnification at which the body is a disc.
    struct Body {
        int index;
        double distance;  // AU from the Earth
        double least;
    } bodies[] = {{body::Moon, a10, 20}, {body::Venus, 0.7, 50}, {body::Mercury, 0.9, 600}};
    for (const Body& b : bodies)
        for (double b3 : {b.least, 3000.0, 100000.0})
            for (double phase : {0.3, p0 / 2 - 0.05, p0 / 2 + 0.05, 2.5}) {
                const double radius = discRadius(*tables, b.index, b3, b.distance);
                const int side = std::max(40, static_cast<int>(2 * radius / 15 + 2 * penWidthForSize(radius) + 10));
                BodySky sky(b3, QSize(side, side));
                sky.h.bodies.displayScale = tables->bodies.displayScale;
                sky.h.bodies.colour = tables->bodies.colour;
                sky.h.sky.r10 = 1;
                sky.put(b.index, {1, 1e-9, 0});  // a disc needs x and y both non-zero
                sky.put(body::Earth, {1 - b.distance * std::cos(phase), b.distance * std::sin(phase), 0});
                sky.at(b.index, 0, 0);
                sky.at(body::Sun, 1, 0.6);  // up and to the left, off the chart
                sky.draw();
                const double lit = sky.count(tables->bodies.colour[b.index], 0, side);
                const double dark = sky.count(DarkSide, 0, side);
                ASSERT_GT(lit + dark, 100) << b.index << " " << b3;
                EXPECT_NEAR(lit / (lit + dark), (1 + std::cos(phase)) / 2, 0.05)
                    << b.index << " " << b3 << " " << phase;
            }
}

TEST(SkyBodies, OverlayPassNumbersOfASlowBodyAreNotPrintedOverOneAnother)
{
    BodySky sky;
    sky.h.vars.norm = repeat::Overlay;
    sky.put(body::Mars, {2, 0.5, 0});
    sky.brightness(body::Mars, 200);
    sky.at(body::Mars, 0, 0);
    // The numbers' reddish pixels (smoothed text); Mars itself is grey.
    const auto numberPixels = [&] {
        int n = 0;
        const QImage& image = sky.surface.screen();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += qRed(image.pixel(x, y)) > qGreen(image.pixel(x, y)) + 10;
        return n;
    };
    sky.draw(1);
    const QImage first = sky.surface.screen().copy();
    const int one = numberPixels();
    ASSERT_GT(one, 5);
    sky.draw(2);  // Mars has not moved: a 2 would land on the 1
    EXPECT_EQ(sky.surface.screen(), first);
    sky.at(body::Mars, sky.angle(-1500), 0);  // 100 pixels to the right: room for the 3
    sky.draw(3);
    EXPECT_GT(numberPixels(), one + 5);
}

TEST(SkyBodies, FromMarsTheLoopGoesFromJupiterToTheEarth)
{
    BodySky sky;
    sky.h.vars.view = body::Mars;
    sky.put(body::Mars, {1.5, 0.1, 0});
    const int bodies[] = {body::Earth, body::Mars, body::Jupiter};
    for (int k = 0; k < 3; ++k) {
        if (bodies[k] != body::Mars) sky.put(bodies[k], {1.0 + 4 * k, 0.2, 0});
        sky.at(bodies[k], 0.1 * (k - 1), 0);
        sky.h.bodies.displayScale[bodies[k]] = 20;
    }
    sky.h.bodies.displayScale[body::Mars] = 1e6;  // would be a huge disc if drawn
    sky.draw();
    EXPECT_NE(sky.pixelAt(-0.1, 0), Rgb{});
    EXPECT_EQ(sky.pixelAt(0, 0), Rgb{});
    EXPECT_NE(sky.pixelAt(0.1, 0), Rgb{});
}

TEST(SkyBodies, SmallBodyIsPaintedAsAStarOfItsBrightness)
{
    for (double level : {9.99, 10.01, 200.0, 1000.0, 2500.0}) {
        BodySky sky;
        sky.put(body::Mars, {2, 0.5, 0});
        sky.brightness(body::Mars, level);
        sky.at(body::Mars, 0, 0);
        sky.draw();

        StarSky star(20, 15, QSize(400, 400));
        if (level > 10) star.plotOne(level);
        EXPECT_EQ(sky.litPixels(), star.litPixels()) << level;
        const double shown = std::min(level, 256.0);
        const int grey = static_cast<int>(shown);
        if (level > 10) {
            EXPECT_EQ(sky.pixelAt(0, 0),
                      (Rgb{std::min(grey, 255), std::min(grey, 255), static_cast<int>(200 * shown / 256)}))
                << level;
        }
        EXPECT_NEAR(sky.plotting.starLevel, shown, 1e-4);
    }
}

TEST(SkyBodies, TheMoonAtTheViewpointDrawsNothing)
{
    // The Moon at the viewpoint itself would be a disc of infinite size.
    BodySky atViewpoint;
    atViewpoint.put(body::Moon, {1, 0, 0});
    atViewpoint.h.bodies.displayScale[body::Moon] = 1;
    atViewpoint.at(body::Moon, 0, 0);
    atViewpoint.draw();
    EXPECT_EQ(atViewpoint.litPixels(), 0);
}

}  // namespace
}  // namespace halvane
