// Orbit views over whole clicks: the magnification limit, Sequential runs
// over a kept background, and the pause of random runs with a click in it.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit_scene.h"
#include "orbits/orbit_projection.h"
#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "render/render_request.h"

namespace halvane {
namespace {

using testing::OrbitScene;
using testing::StartedForm;
using testing::yellow;

TEST(OrbitFrame, MagnificationOf10000AsksForALowerOneInTheCurrentLanguage)
{
    struct {
        int je;
        double b0;
        const char* message;  // nullptr: the view is drawn
    } const cases[] = {
        {English, 10000, "　　　　　　　　　　Please lower magnifying power."},
        {Japanese, 10000, "　　　　　　　　　　倍率を小さくしてください"},
        {English, 9999, nullptr},
    };
    for (const auto& c : cases) {
        OrbitScene scene(display::OneOrbit, 0, 90, c.b0);
        scene.h.vars.je = c.je;
        scene.draw();
        if (c.message) {
            Surface expected(QSize(801, 701));
            expected.setFontSize(26);
            expected.setForeColour({255, 255, 255});
            expected.print(c.message);
            EXPECT_EQ(scene.surface.screen(), expected.screen()) << c.b0;
        } else {
            EXPECT_EQ(scene.at(scene.cx, scene.cy), yellow);
        }
    }
}

struct OrbitClick : ::testing::Test {
    StartedForm form{{2021, 3, 1, 7, 0}};
    Halvane& h = form.h;
    Surface surface{QSize(640, 480)};
    testing::FakeEventPump events;

    OrbitClick()
    {
        events.clock = &form.clock;
        setShown(h, Combo5, "1-Orbit");
        setText(h, Text1, "0");
        setText(h, Text2, "90");
        setText(h, Text3, "100");  // 2200 twips to the AU: the inner planets fit
    }
    void click()
    {
        Form_MouseUp(h, {surface, form.clock, form.random, events}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
    }

    TwipsPoint earthOnScreen() const
    {
        const OrbitView view = orbitViewOf(h.vars, surface.scaleWidth(), surface.scaleHeight(), h.vars.b0);
        const Xyz earth{h.bodies.x[body::Earth], h.bodies.y[body::Earth], h.bodies.z[body::Earth]};
        const OrbitPicture picture = orbitPicture(view, 1);
        return onScreen(view, picture, intoPicture(view, picture, earth));
    }

    // Whether a planet's orbit (blue above red) passes within a pixel of p.
    bool orbitNear(const TwipsPoint& p) const
    {
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) {
                const Rgb c = surface.point(p.x + 15 * i, p.y + 15 * j);
                if (c.b > c.r + 50 && c != yellow) return true;
            }
        return false;
    }
};

TEST_F(OrbitClick, SequentialRunKeepsItsFirstOrbitsUnderTheMovingBodies)
{
    setShown(h, Combo4, "Sequential");
    setText(h, Text15, "60");
    setText(h, Text16, "3");  // two passes drawn, 60 days apart
    TwipsPoint firstEarth{};
    events.hook = [&] {
        if (firstEarth.x == 0) firstEarth = earthOnScreen();
    };
    click();
    const TwipsPoint lastEarth = earthOnScreen();
    ASSERT_GT(std::hypot(lastEarth.x - firstEarth.x, lastEarth.y - firstEarth.y), 1000);
    EXPECT_EQ(surface.point(lastEarth.x, lastEarth.y), yellow);
    EXPECT_NE(surface.point(firstEarth.x, firstEarth.y), yellow);
    EXPECT_TRUE(orbitNear(firstEarth));
    // What is kept is the orbits alone.
    surface.setPersistence(false);
    surface.clear();
    EXPECT_NE(surface.point(lastEarth.x, lastEarth.y), yellow);
    EXPECT_TRUE(orbitNear(lastEarth));
}

TEST_F(OrbitClick, RandomRunsPauseOnEachPictureAcrossMidnightWithoutSpinning)
{
    struct {
        const char* display;
        const char* repeat;
        double start, pause;
        const char* magnification = "100";
    } const cases[] = {
        {"3D-Orb", "At Random", 86395, 12},  // begun 5 seconds before midnight
        {"1-Orbit", "At Random", 3600, 5},
        {"2-Orbit", "At Random", 86399.5, 5},
        {"1-Orbit", "Single", 3600, 0},
        {"1-Orbit", "At Random", 3600, 5, "10000"},  // the message asking for less stays as long
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        setShown(h, Combo5, c.display);
        setShown(h, Combo4, c.repeat);
        setText(h, Text3, c.magnification);
        form.clock.seconds = c.start;
        events.waits = 0;
        events.calls = 0;
        // The user picks Single during the first pause: the run ends after
        // one more pass (or after many passes that never paused).
        events.hook = [&] {
            if (events.waits > 0 || events.calls > 100) setShown(h, Combo4, "Single");
        };
        click();
        EXPECT_EQ(events.waits, c.pause > 0 ? 1 : 0);
        EXPECT_NEAR(form.clock.seconds, std::fmod(c.start + c.pause, 86400), 1e-6);
    }
}

TEST_F(OrbitClick, TheMagnificationMessageStaysAtTheTopLeftClickAfterClick)
{
    setText(h, Text3, "10000");
    for (int i = 0; i < 3; ++i) click();
    Surface expected(surface.screen().size());
    expected.setFontSize(26);
    expected.setForeColour({255, 255, 255});
    expected.print("　　　　　　　　　　Please lower magnifying power.");
    EXPECT_EQ(surface.screen(), expected.screen());
}

TEST_F(OrbitClick, AClickDuringThePauseRunsAWholeRequestInsideThisOne)
{
    setShown(h, Combo5, "3D-Orb");
    setShown(h, Combo4, "At Random");
    int nested = 0;
    events.hook = [&] {
        if (events.waits == 0 || nested > 0) return;
        ++nested;
        setShown(h, Combo4, "Single");
        setShown(h, Combo5, "2-Orbit");
        setText(h, Text2, "90");
        click();
        ++nested;
    };
    click();
    ASSERT_EQ(nested, 2);  // the inner request ran to its end inside the pause
    // The outer request ended with a Single pass of what the panel now shows.
    EXPECT_EQ(h.vars.norm, repeat::Single);
    EXPECT_EQ(surface.point(surface.scaleWidth() / 4, surface.scaleHeight() / 2), yellow);
    EXPECT_EQ(surface.point(3 * surface.scaleWidth() / 4, surface.scaleHeight() / 2), yellow);
}

}  // namespace
}  // namespace halvane
