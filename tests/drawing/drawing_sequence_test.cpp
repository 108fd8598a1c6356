#include "drawing/drawing_sequence.h"

#include <gtest/gtest.h>

#include "data/texts.h"
#include "fakes.h"
#include "render/pass_drawing.h"
#include "sky/star_sky.h"

namespace halvane {
namespace {

// One of each layer at its own place on a Sky-ecliptic chart, the aim point
// at 0, 0: a star, a constellation segment, a constellation name and Mars,
// seen from the Earth; every other body and name far from the chart.
struct LayeredSky : testing::StarSky {
    RequestState r;
    testing::FakeClock clock;
    testing::FakeEventPump events;
    testing::ScriptedRandom random;

    LayeredSky() : StarSky(20, 15, QSize(600, 300))
    {
        fillNameTables(h.texts);
        auto& v = h.vars;
        v.b1 = 0, v.b2 = 0, v.selec = display::SkyEcliptic, v.view = body::Earth, v.con = 2, v.sname = 1, v.preci = 1;
        r.ae = screen.ae, r.bb = screen.bb, r.b3 = screen.b3;
        events.clock = &clock;

        for (int i = 0; i <= body::LastReferencePoint; ++i) h.sky.eclipticLatitude[static_cast<size_t>(i)] = 1.5;
        h.bodies.x[body::Earth] = 1;
        h.bodies.x[body::Mars] = 2, h.bodies.y[body::Mars] = 0.1;
        h.bodies.displayScale[body::Mars] = 20;
        h.sky.eclipticLongitude[body::Mars] = -0.2, h.sky.eclipticLatitude[body::Mars] = -0.1;
        h.stars.stars[star::FirstRow][star::Brightness] = 1000;
        h.stars.stars[star::FirstRow][star::Longitude] = -0.2, h.stars.stars[star::FirstRow][star::Latitude] = 0.1;
        for (auto& line : h.stars.lines) line = {0, 0, 0, 0, 0, 0, 0, 0, 0.2, 0.25, 0.1, 0.1};
        h.stars.namedTexts[1] = {"x", "Orion", "", ""};
        h.stars.named[1][star::Longitude] = 0.2, h.stars.named[1][star::Latitude] = -0.1;
        for (size_t row = 2; row < star::NamedRows; ++row) h.stars.named[row][star::Latitude] = 1.5;
        r.old = {v.sname, v.je, v.norm, v.selec};
    }

    void pass(int norm, int passCounter)
    {
        h.vars.norm = norm;
        r.old.norm = norm;
        r.passCounter = passCounter;
        drawPassChart(h, r, plotting, {surface, clock, random, events});
    }

    bool litAt(double u, double v) const { return litNear(-u * screen.twipsPerRadian(), -v * screen.twipsPerRadian()); }
    bool starShown() const { return litAt(-0.2, 0.1); }
    bool lineShown() const { return litAt(0.225, 0.1); }
    bool nameShown() const
    {
        return litIn(-0.2 * screen.twipsPerRadian() + 100, 0.1 * screen.twipsPerRadian(), 600, 160) > 0;
    }
    bool marsShown() const { return litAt(-0.2, -0.1); }
    // The pass numbers are the only reddish marks of this sky.
    bool passNumberShown() const
    {
        const QImage& image = surface.screen();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) > qGreen(p) + 20 && qRed(p) > qBlue(p) + 20) return true;
            }
        return false;
    }
};

TEST(DrawingSequence, OverlayDrawsTheBackgroundOnlyOnItsFirstPass)
{
    struct Case {
        int passCounter;
        bool background, number;
    } cases[] = {{1, true, true}, {2, false, true}};
    for (const Case& c : cases) {
        LayeredSky sky;
        sky.pass(repeat::Overlay, c.passCounter);
        EXPECT_EQ(sky.starShown(), c.background) << c.passCounter;
        EXPECT_EQ(sky.lineShown(), c.background) << c.passCounter;
        EXPECT_EQ(sky.nameShown(), c.background) << c.passCounter;
        EXPECT_TRUE(sky.marsShown()) << c.passCounter;
        EXPECT_EQ(sky.passNumberShown(), c.number) << c.passCounter;
    }
    LayeredSky single;
    single.pass(repeat::Single, 0);
    EXPECT_TRUE(single.starShown() && single.lineShown() && single.nameShown() && single.marsShown());
    EXPECT_FALSE(single.passNumberShown());
}

// The request forgets the pass numbers printed before on the first pass of
// an overlay run and keeps them through its later passes.
TEST(DrawingSequence, OverlayPassNumbersAreKeptFromTheFirstPassOfARun)
{
    for (int passCounter : {1, 2}) {
        LayeredSky sky;
        const PassNumberMarks::Box printed{0, 0, 100, 100};
        sky.r.passNumbers.claim(body::Neptune, printed);
        sky.pass(repeat::Overlay, passCounter);
        EXPECT_EQ(sky.r.passNumbers.claim(body::Neptune, printed), passCounter == 1) << passCounter;
    }
}

TEST(DrawingSequence, NamesOnlyWaitsTwoSecondsAtRandomAcrossMidnight)
{
    for (int norm : {repeat::AtRandom, repeat::Single}) {
        LayeredSky sky;
        sky.h.vars.sname = 2;
        sky.r.old.sname = 2;
        sky.clock.seconds = 86399.5;
        sky.pass(norm, 0);
        EXPECT_TRUE(sky.nameShown());
        EXPECT_FALSE(sky.starShown());
        EXPECT_FALSE(sky.marsShown());
        if (norm == repeat::AtRandom) {
            EXPECT_GE(sky.events.waits, 1);
            EXPECT_NEAR(sky.clock.seconds, 1.5, 1e-9);
        } else {
            EXPECT_EQ(sky.events.waits, 0);
        }
    }
}

}  // namespace
}  // namespace halvane
