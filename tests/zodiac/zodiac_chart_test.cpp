#include "zodiac/zodiac_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ephemeris/reference_points.h"
#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "render/pass_drawing.h"
#include "render/render_request.h"
#include "zodiac/hot_cold_trend.h"
#include "zodiac/zodiac_canvas.h"

namespace halvane {
namespace {

constexpr Rgb cometColour{140, 60, 120}, asteroidColour{100, 70, 150}, signColour{60, 150, 60};
constexpr Rgb constellationColour{96, 90, 176}, equinoxColour{156, 156, 200}, captionColour{206, 206, 206};

// Text is drawn smoothed: a pixel counts as `colour` when it is that colour
// at 60 % or more of its strength over the black background.
bool tintOf(QRgb pixel, Rgb colour)
{
    const int p[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)}, c[3] = {colour.r, colour.g, colour.b};
    const double strength = static_cast<double>(*std::max_element(p, p + 3)) / *std::max_element(c, c + 3);
    if (strength < 0.6 || strength > 1) return false;
    for (int k = 0; k < 3; ++k)
        if (std::abs(p[k] - strength * c[k]) > 3) return false;
    return true;
}

struct ZodiacChart : ::testing::Test {
    testing::StartedForm form;  // comet and asteroid names from the files beside the program
    Halvane& h = form.h;
    Surface surface{QSize(1200, 900)};  // one pixel to 10 x 10 units of the chart
    testing::FakeEventPump events;
    RequestState request;

    ZodiacChart()
    {
        auto& L = h.sky.longitudeDegrees;
        std::fill(L.begin(), L.begin() + body::FirstComet, 180.0);  // planets on the left
        std::fill(L.begin() + body::FirstComet, L.begin() + body::FirstAsteroid, 90.0);  // comets above the centre
        std::fill(L.begin() + body::FirstAsteroid, L.begin() + body::LastAsteroid + 1, 270.0);  // asteroids below
        L[body::VernalEquinox] = -10.25;
    }

    void draw()
    {
        surface.setBackColour({});
        surface.setPersistence(true);
        surface.clear();
        prepareZodiacChart(h, request);
        drawZodiacChart(h, request, surface, events);
    }

    // Pixels of `colour` between chart points (X0, Y0) and (X1, Y1).
    int pixelsOf(Rgb colour, double X0 = 0, double Y0 = 0, double X1 = 12000, double Y1 = 9000) const
    {
        int count = 0;
        for (int y = std::max(0, int(Y0 / 10)); y < std::min(900, int(Y1 / 10)); ++y)
            for (int x = std::max(0, int(X0 / 10)); x < std::min(1200, int(X1 / 10)); ++x)
                count += tintOf(surface.screen().pixel(x, y), colour);
        return count;
    }
};

// Comets sit above the centre and asteroids below it; the list is on the left.
TEST_F(ZodiacChart, BodiesShownChoosesTheRingsButNeverTheList)
{
    struct Case {
        int orbit;
        bool cometRing, asteroidRing;
    };
    for (const Case c : {Case{0, true, true}, Case{1, false, false}, Case{2, true, false}, Case{3, false, true}}) {
        h.vars.orbit = c.orbit;
        draw();
        EXPECT_EQ(pixelsOf(cometColour, 5000) > 0, c.cometRing) << c.orbit;
        EXPECT_EQ(pixelsOf(asteroidColour, 5000) > 0, c.asteroidRing) << c.orbit;
        EXPECT_GT(pixelsOf(cometColour, 1390, 0, 5000), 0) << c.orbit;
        EXPECT_GT(pixelsOf(asteroidColour, 1390, 0, 5000), 0) << c.orbit;
    }
}

TEST_F(ZodiacChart, ViewpointMoonAndEmptySlotsStayOffTheChart)
{
    h.texts.bodyNames[English][body::FirstComet + 9].clear();
    struct Case {
        int view, body;
        bool shown;
    };
    const Case cases[] = {{body::Mars, body::Mars, false},      {body::Mars, body::Moon, false},
                          {body::Mars, body::Earth, true},      {body::Earth, body::Moon, true},
                          {body::Earth, body::Earth, false},    {body::Earth, body::FirstComet + 9, false},
                          {body::Earth, body::FirstComet, true}};
    for (const Case& c : cases) {
        h.vars.view = c.view;
        EXPECT_EQ(onZodiacChart(h, c.body), c.shown) << c.view << " " << c.body;
    }
}

// Within one request: from Mars first (no marker yet), then from the Earth, then Mars again.
TEST_F(ZodiacChart, EquinoxMarkedFromTheEarthOnlyFeedsTheTrendForTheRestOfTheRequest)
{
    h.vars.view = body::Mars;
    h.sky.katamuki = 0;  // the Earth was never the viewpoint
    h.time.Ti = 44.3;
    h.bodies.eccentricity[body::Earth] = 0.0167;
    h.bodies.perihelionLongitude[body::Earth] = 103;
    draw();
    EXPECT_EQ(pixelsOf(equinoxColour), 0);
    EXPECT_EQ(request.equinoxDeg, 0);
    // The obliquity of the date, not the 0 the Earth view never replaced.
    EXPECT_DOUBLE_EQ(zodiacHotColdTrend(h, request), hotColdTrend(katamukiDeg(44.3), 0.0167, 0, 103));

    h.vars.view = body::Earth;
    draw();
    EXPECT_DOUBLE_EQ(request.equinoxDeg, 349.75);
    // Label and longitude hang below and to the right of their point, and nowhere else.
    const VirtualPoint at = ringPoint(349.75, 700);
    EXPECT_GT(pixelsOf(equinoxColour, at.X, at.Y, at.X + 800, at.Y + 180), 0);
    EXPECT_GT(pixelsOf(equinoxColour, at.X, at.Y + 180, at.X + 800, at.Y + 450), 0);
    EXPECT_EQ(pixelsOf(equinoxColour, at.X - 10, at.Y - 10, at.X + 800, at.Y + 450), pixelsOf(equinoxColour));

    h.vars.view = body::Mars;
    draw();
    EXPECT_EQ(pixelsOf(equinoxColour), 0);
    EXPECT_DOUBLE_EQ(request.equinoxDeg, 349.75);
}

TEST_F(ZodiacChart, ConstellationRingOnlyInJapanese)
{
    const VirtualPoint aries = ringPoint(15, 1700), ram = ringPoint(34.5, 1200);
    for (const int je : {English, Japanese}) {
        h.vars.je = je;
        draw();
        EXPECT_GT(pixelsOf(signColour, aries.X, aries.Y, aries.X + 1000, aries.Y + 250), 0) << je;
        EXPECT_EQ(pixelsOf(signColour, aries.X - 300, aries.Y - 300, aries.X, aries.Y), 0) << je;
        EXPECT_EQ(pixelsOf(constellationColour, ram.X, ram.Y, ram.X + 1500, ram.Y + 250) > 0, je == Japanese);
        EXPECT_EQ(pixelsOf(constellationColour) > 0, je == Japanese);
    }
}

TEST_F(ZodiacChart, AClickInZodiacModeDrawsTheChartAndLeavesTheCaptionState)
{
    setShown(h, Combo5, "Zodiac");
    setShown(h, Combo6, "Earth");
    Form_MouseUp(h, {surface, form.clock, form.random, events}, 0, 0);
    EXPECT_TRUE(h.flags.t99);
    EXPECT_EQ(events.calls, 2);
    EXPECT_EQ(surface.fontSize(), 12);
    EXPECT_EQ(surface.foreColour(), captionColour);
    EXPECT_GT(pixelsOf(captionColour, 2500, 20, 8000, 400), 0);
    EXPECT_GT(pixelsOf(captionColour, 8000, 20, 12000, 400), 0);
    EXPECT_GT(pixelsOf(equinoxColour), 0);
}

}  // namespace
}  // namespace halvane
