#include "render/render_request.h"

#include <gtest/gtest.h>

#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"

namespace halvane {
namespace {

using testing::FakeEventPump;
using testing::StartedForm;

struct RenderRequest : ::testing::Test {
    StartedForm form{{2021, 3, 1, 7, 0}};
    Halvane& h = form.h;
    Surface surface{QSize(640, 480)};
    FakeEventPump events;

    RenderRequest() { events.clock = &form.clock; }

    RenderPorts ports() { return {surface, form.clock, form.random, events, form.messages}; }
    void clickCentre() { Form_MouseUp(h, ports(), surface.scaleWidth() / 2, surface.scaleHeight() / 2); }
    void choose(ComboBox box, const char* text) { setShown(h, box, text); }
};

TEST_F(RenderRequest, SingleSkyPassDrawsOnceAndWritesTheReadouts)
{
    setText(h, Text1, "83.63");
    setText(h, Text2, "22.0145");
    clickCentre();
    EXPECT_EQ(h.panel.text(Text1), "83.63");
    EXPECT_EQ(h.panel.text(Text22), "equat.5h34m31s");
    EXPECT_EQ(h.panel.text(Text23), "+22°0′52″");
    EXPECT_EQ(h.panel.text(Text20), "equat.");
    EXPECT_EQ(h.panel.text(Text21), "ecliptic");
    EXPECT_TRUE(h.flags.pz);
    EXPECT_EQ(events.calls, 2);  // after the stars and after the bodies
}

TEST_F(RenderRequest, SequentialRunDrawsOnePassFewerThanItsCount)
{
    choose(Combo4, "Sequential");
    setText(h, Text15, "1");
    setText(h, Text16, "1");
    clickCentre();
    EXPECT_EQ(events.calls, 0);
    setText(h, Text16, "3");
    clickCentre();
    EXPECT_EQ(events.calls, 4);
    // Every pass, the last one too, moved the date on by one interval.
    EXPECT_EQ(h.panel.text(Text6), "5");
    EXPECT_EQ(h.panel.text(Text7), "7");
    EXPECT_EQ(h.panel.text(Text8), "0");
}

TEST_F(RenderRequest, LanguageSwitchRefillsEveryListBeforeDrawing)
{
    choose(Combo3, "Japanese");
    clickCentre();
    EXPECT_EQ(h.panel.box(Combo5).shown, "天空赤経");
    EXPECT_EQ(h.panel.box(Combo6).entries[3], "地球");
    EXPECT_EQ(h.panel.text(Text20), "赤経");
}

TEST_F(RenderRequest, DefaultResetStartsAMedleyThatANestedClickEnds)
{
    choose(Combo4, "Default");
    bool nested = false;
    events.hook = [&] {
        if (nested) return;
        nested = true;
        // What the Default pass wrote, before the medley begins.
        EXPECT_EQ(h.panel.text(Text3), "40");
        EXPECT_EQ(h.panel.text(Text9), "9");
        EXPECT_EQ(h.panel.text(Text15), "1");
        EXPECT_EQ(h.panel.text(Text16), "1000000");
        EXPECT_EQ(h.panel.box(Combo5).shown, "Sky-ecliptic");
        EXPECT_EQ(h.panel.box(Combo4).shown, "At Random");
        EXPECT_EQ(h.panel.box(Combo6).shown, "Earth");
        EXPECT_EQ(h.panel.box(Combo8).shown, "NoFollow");
        EXPECT_EQ(h.vars.scene, MedleyScene);
        // The user picks Single and no scene, and clicks again.
        choose(Combo4, "Single");
        choose(Combo16, h.texts.sceneNames[English][0].c_str());
        clickCentre();
    };
    clickCentre();
    EXPECT_TRUE(nested);
    EXPECT_EQ(h.flags.scene2, 0);
    EXPECT_EQ(h.vars.norm, repeat::Single);
}

TEST_F(RenderRequest, NestedClicksDuringASequentialRunCompleteBoth)
{
    choose(Combo4, "Sequential");
    setText(h, Text16, "4");
    int depth = 0, nestedRuns = 0;
    events.hook = [&] {
        if (depth > 0 || nestedRuns >= 2) return;
        ++depth;
        ++nestedRuns;
        clickCentre();  // a second request inside the first
        --depth;
    };
    clickCentre();
    EXPECT_EQ(nestedRuns, 2);
    EXPECT_TRUE(std::isfinite(h.vars.b1));
}

TEST_F(RenderRequest, ClickDuringTheIdleAnimationDrawsAnewAndTheFirstEndsRightAfter)
{
    bool nested = false;
    events.hook = [&] {
        if (nested || events.waits != 10) return;  // a third of a second into the animation
        nested = true;
        setText(h, Text3, "40");
        clickCentre();
    };
    clickCentre();
    ASSERT_TRUE(nested);
    // The second request's animation ran its five seconds (151 frames); the
    // first one, its time long past, made its final repaint and returned.
    EXPECT_EQ(events.waits, 10 + 151);
    EXPECT_EQ(h.panel.text(Text3), "40");
}

TEST_F(RenderRequest, SceneLoadTakesTheScriptsSettings)
{
    if (h.demo.parameters[1][1].empty()) GTEST_SKIP() << "no demonstration script";
    const auto& p = h.demo.parameters;
    choose(Combo16, h.texts.sceneNames[English][1].c_str());
    ASSERT_EQ(h.vars.scene, 1);
    events.hook = [&] {  // stop any run the scene starts
        choose(Combo4, "Single");
        choose(Combo16, h.texts.sceneNames[English][0].c_str());
    };
    clickCentre();
    EXPECT_EQ(h.vars.scene, 0);
    if (p[1][1].value() != 0) {
        EXPECT_EQ(h.panel.text(Text4), numberText(p[1][1].value()));
        EXPECT_EQ(h.panel.text(Text5), numberText(p[2][1].value()));
    }
    EXPECT_EQ(h.vars.selec, static_cast<int>(p[11][1].value()));
}

TEST_F(RenderRequest, SaturnSceneStartsThreeHoursEarlierWithTheFixedPointAtSaturn)
{
    choose(Combo16, "Saturn2");
    ASSERT_EQ(h.vars.scene, SaturnScene);
    bool checked = false;
    events.hook = [&] {
        if (checked) return;
        checked = true;
        EXPECT_EQ(h.panel.text(Text7), "4");  // the clock says 07:00
        EXPECT_EQ(h.panel.box(Combo4).shown, "Sequential");
        EXPECT_EQ(h.panel.text(Text15), "0.015");
        EXPECT_EQ(h.vars.view, body::FixedPoint);
        EXPECT_EQ(h.vars.see, body::Saturn);
        // The fixed point is where Saturn stands at the clock time, which
        // the run reaches three hours on (Saturn moves about 7e-4 AU in that time).
        EXPECT_NEAR(h.bodies.x[body::FixedPoint], h.bodies.x[body::Saturn], 1e-3);
        EXPECT_NEAR(h.bodies.y[body::FixedPoint], h.bodies.y[body::Saturn], 1e-3);
        EXPECT_NEAR(boxNumber(h, Text17), h.bodies.x[body::FixedPoint], 1e-4);
        choose(Combo4, "Single");  // end the run
    };
    clickCentre();
    EXPECT_TRUE(checked);
}

TEST_F(RenderRequest, TypedNonsenseNeverStopsARequest)
{
    for (const char* text : {"", "-", "abc", "0", "-5", "1e308", "nan"}) {
        for (TextBox box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text15, Text16})
            setText(h, box, text);
        choose(Combo4, "Single");
        clickCentre();
        EXPECT_TRUE(std::isfinite(h.vars.b1)) << text;
        EXPECT_GT(boxNumber(h, Text3), 0) << text;
    }
}

}  // namespace
}  // namespace halvane
