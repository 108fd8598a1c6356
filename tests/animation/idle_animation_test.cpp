#include "animation/idle_animation.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "sky/star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

constexpr Rgb white{255, 255, 255};

// A sky of bright stars (level 250: grey, never white) in the top half of
// a 200 x 100 pixel chart, with the twinkle fixed on row 1990.
struct IdleSky : StarSky {
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::FakeEventPump events;
    static constexpr int TwinkleRow = 1990;
    static constexpr int Decoy = 121;  // not among the six rows switched on

    IdleSky()
    {
        random.values = {(1889 + 0.5) / 1900};  // Int(r * 1900) + 101 = 1990
        events.clock = &clock;
        int column = 0;
        for (int row : {TwinkleRow, Decoy, 111, 131, 151, 171, 191, 211})
            place(row, angle(1200 - 300 * column++), angle(450), 250);
        plotField();  // the chart as the pass left it
    }

    // Paints `row` over in black, as a twinkle of an earlier cycle would.
    void switchOff(int row)
    {
        const StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
        surface.setPenWidth(3);
        surface.setPoint(screen.x(cells[star::ViewU]), screen.y(cells[star::ViewV]), {0, 0, 0});
    }

    bool shows(int row) const
    {
        const StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
        return lit(screen.x(cells[star::ViewU]), screen.y(cells[star::ViewV]));
    }

    void animate() { idleAnimation(h, screen, plotting, {surface, clock, random, events}); }
};

TEST(IdleAnimation, TwinkleOfRow1990SwitchesOnRows111To211AndTheHelpButtonEndsItWithoutRepaint)
{
    IdleSky sky;
    sky.h.vars.sname = 1;  // names shown: no light
    sky.events.hook = [&] { sky.h.flags.t99 = true; };  // the help button, during the first wait
    for (int row : {IdleSky::Decoy, 111, 131, 151, 171, 191, 211}) sky.switchOff(row);
    sky.animate();
    EXPECT_EQ(sky.events.waits, 1);
    for (int row : {111, 131, 151, 171, 191, 211}) EXPECT_TRUE(sky.shows(row)) << row;
    EXPECT_FALSE(sky.shows(IdleSky::Decoy));
    EXPECT_FALSE(sky.shows(IdleSky::TwinkleRow));  // no final repaint brought it back
}

TEST(IdleAnimation, BegunAt235958ItEndsAt000003WithTheBrightStarsRepaintedAndNoLightLeft)
{
    IdleSky sky;
    sky.clock.seconds = 86398;
    sky.plotting.starLimit = 12345;
    sky.switchOff(IdleSky::Decoy);
    int framesWithLight = 0;
    sky.events.onShow = [&] {
        const QImage& image = sky.surface.screen();
        bool white_ = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) white_ |= image.pixel(x, y) == qRgb(255, 255, 255);
        framesWithLight += white_;
    };
    sky.animate();
    EXPECT_NEAR(sky.clock.seconds, 3, 0.04);  // 00:00:03
    EXPECT_NEAR(sky.events.waits, 151, 1);  // 30 frames a second, ended past 5 seconds
    EXPECT_GT(framesWithLight, 10);  // the light drifted and showed
    for (int row : {IdleSky::TwinkleRow, IdleSky::Decoy, 111, 211}) EXPECT_TRUE(sky.shows(row)) << row;
    EXPECT_EQ(sky.plotting.starLimit, 12345);
    EXPECT_FALSE(sky.plotting.twinkleMode);
    for (int y = 0; y < sky.surface.screen().height(); ++y)
        for (int x = 0; x < sky.surface.screen().width(); ++x)
            ASSERT_NE(sky.surface.point(x * 15, y * 15), white) << x << "," << y;
}

}  // namespace
}  // namespace halvane
