#include "render/render_request.h"

#include <gtest/gtest.h>

#include <functional>

#include "data/temp_folder.h"
#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "panel/stepping.h"
#include "render/pass_drawing.h"
#include "startup/startup.h"
#include "surface/lit_pixels.h"

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

    RenderPorts ports() { return {surface, form.clock, form.random, events}; }
    void clickCentre() { Form_MouseUp(h, ports(), surface.scaleWidth() / 2, surface.scaleHeight() / 2); }
    void choose(ComboBox box, const char* text) { setShown(h, box, text); }
    void clickAt(double dx, double dy)
    {
        Form_MouseUp(h, ports(), surface.scaleWidth() / 2 + dx, surface.scaleHeight() / 2 + dy);
    }

    // Single sky-equatorial view of Sirius at magnification 20, no follow.
    void aimAtSirius()
    {
        choose(Combo4, "Single");
        choose(Combo5, "Sky-equatorial");
        choose(Combo8, "NoFollow");
        setText(h, Text1, "101.2872");
        setText(h, Text2, "-16.7161");
        setText(h, Text3, "20");
    }
    bool lit(int x, int y) const { return testing::litPixel(surface.screen(), x, y); }
    int litPixels() const { return testing::litPixelCount(surface.screen()); }

    // The state of a pass over the whole surface, its modes as the panel
    // shows them.
    RequestState passState()
    {
        RequestState r;
        r.ae = surface.scaleWidth();
        r.bb = surface.scaleHeight();
        r.old = {h.vars.sname, h.vars.je, h.vars.norm, h.vars.selec};
        return r;
    }
    void draw(RequestState& r)
    {
        StarPlotting plotting;
        drawPassChart(h, r, plotting, {surface, form.clock, form.random, events});
    }

    // A pixel in the corner that only the screen shows: any clear of the
    // window takes it away.
    static constexpr Rgb marker{1, 2, 3};
    void mark()
    {
        const bool kept = surface.persistence();
        surface.setPersistence(false);
        surface.setPixel(0, 0, marker);
        surface.setPersistence(kept);
    }
    bool marked() const { return surface.point(0, 0) == marker; }

    // Clicks at the centre and tells, pass by pass (told apart by the day
    // each pass shows), whether the window was cleared. `duringPass(k)`
    // runs once pass k has drawn its first layer.
    std::vector<bool> clearsPerPass(const std::function<void(size_t)>& duringPass = {})
    {
        std::vector<bool> cleared;
        std::string day = "none";
        events.hook = [&] {
            const bool gone = !marked();
            if (h.panel.text(Text6) != day) {
                day = h.panel.text(Text6);
                cleared.push_back(gone);
                if (duringPass) duringPass(cleared.size());
            } else if (gone) {
                cleared.back() = true;
            }
            mark();
        };
        mark();
        clickCentre();
        events.hook = nullptr;
        return cleared;
    }
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
    setText(h, Text15, "1");
    setText(h, Text16, "4");
    int depth = 0, nestedRuns = 0;
    std::vector<std::string> outerDays;
    events.hook = [&] {
        if (depth == 0 && (outerDays.empty() || outerDays.back() != h.panel.text(Text6)))
            outerDays.push_back(h.panel.text(Text6));
        if (depth > 0 || nestedRuns >= 2) return;
        ++depth;
        ++nestedRuns;
        clickCentre();  // a second request inside the first
        --depth;
    };
    clickCentre();
    EXPECT_EQ(nestedRuns, 2);
    // From 1 March every request moves the date on a day in each of its
    // three passes and in the pass that ends it. The outer one drew its
    // first pass on the 2nd (seen again on the 6th, after the first nested
    // request), then went on after both nested ones to its last passes.
    EXPECT_EQ(outerDays, (std::vector<std::string>{"2", "6", "11", "12"}));
    EXPECT_EQ(h.panel.text(Text5), "3");
    EXPECT_EQ(h.panel.text(Text6), "13");
}

TEST_F(RenderRequest, FollowingPutsTheTargetInTheMiddleFromAnyAimPoint)
{
    choose(Combo4, "Single");
    choose(Combo8, h.texts.followNames[English][body::Mars].c_str());
    // Declination, interval: the pole, where the count of rounds has no
    // bound and is capped, and an interval of 0, which takes 7 rounds.
    const struct {
        const char *declination, *interval;
    } cases[] = {{"0", "1"}, {"90", "1"}, {"-90", "1"}, {"45", "0"}};
    for (const auto& c : cases) {
        setText(h, Text1, "200");
        setText(h, Text2, c.declination);
        setText(h, Text15, c.interval);
        clickCentre();
        const StarRow& mars = h.stars.stars[body::Mars];
        EXPECT_NEAR(mars[star::ViewU], 0, 1e-5) << c.declination;
        EXPECT_NEAR(mars[star::ViewV], 0, 1e-5) << c.declination;
        EXPECT_LT(std::abs(boxNumber(h, Text2)), 30) << c.declination;  // Mars stays near the ecliptic
    }
}

TEST_F(RenderRequest, SequentialRunClearsWhenTheMagnificationChangesBetweenPasses)
{
    choose(Combo4, "Sequential");
    choose(Combo5, "Sky-equatorial");
    choose(Combo8, "NoFollow");
    setText(h, Text15, "1");
    setText(h, Text16, "5");
    EXPECT_EQ(clearsPerPass([&](size_t pass) {
                  if (pass == 2) pressStepButton(h, form.messages, Command6);  // "+": 40
              }),
              (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(h.panel.text(Text3), "40");
}

TEST_F(RenderRequest, AChangeOfModeWithinAPassClearsAndRestartsTheRun)
{
    // A scene or the Default reset changes the modes after the pass took
    // the old values.
    aimAtSirius();
    choose(Combo4, "Sequential");
    choose(Combo10, "Normal");
    const int selec = h.vars.selec, norm = h.vars.norm, sname = h.vars.sname;
    ASSERT_NE(sname, 2);
    const struct {
        const char* change;
        int oldSelec, oldNorm, oldSname;
        bool cleared, restarted;
    } cases[] = {{"none", selec, norm, sname, false, false},
                 {"display", display::SkyEcliptic, norm, sname, true, true},
                 {"repeat mode", selec, repeat::Single, sname, true, true},
                 {"from names only", selec, norm, 2, false, true}};
    for (const auto& c : cases) {
        RequestState r = passState();
        r.passCounter = 3;
        r.old = {c.oldSname, h.vars.je, c.oldNorm, c.oldSelec};
        r.previousView = RequestState::View{boxNumber(h, Text3), boxNumber(h, Text1), boxNumber(h, Text2)};
        mark();
        draw(r);
        EXPECT_EQ(!marked(), c.cleared) << c.change;
        EXPECT_EQ(r.passCounter, c.restarted ? 0 : 3) << c.change;
        EXPECT_EQ(r.modeChanged, c.restarted) << c.change;
    }
}

TEST_F(RenderRequest, OverlayPassesDrawTheStarsOnlyOnce)
{
    loadCatalogue(h, form.messages);
    aimAtSirius();
    choose(Combo4, "x times");
    setText(h, Text15, "1");
    setText(h, Text16, "4");
    constexpr Rgb painted{0, 0, 255};
    EXPECT_EQ(clearsPerPass([&](size_t pass) {
                  if (pass != 1) return;
                  EXPECT_TRUE(lit(320, 240));  // Sirius
                  surface.setPixel(320, 240, painted);
              }),
              (std::vector<bool>{true, false, false}));
    EXPECT_EQ(surface.point(320 * 15, 240 * 15), painted);  // Sirius was not drawn again
}

TEST_F(RenderRequest, FastSkyPassSkipsTheClearingRulesAndClearsBeforeDrawing)
{
    aimAtSirius();
    clickCentre();  // settles the panel
    for (const char* precision : {"Precision", "Normal"}) {
        choose(Combo10, precision);
        RequestState r = passState();
        r.passCounter = 5;
        r.old = {h.vars.sname, h.vars.je, h.vars.norm, display::SkyEcliptic};  // as if the display had changed
        mark();
        draw(r);
        const bool fast = std::string(precision) == "Precision";
        EXPECT_FALSE(marked()) << precision;
        EXPECT_EQ(r.modeChanged, !fast) << precision;
        EXPECT_EQ(r.passCounter, fast ? 5 : 0) << precision;
    }
}

TEST_F(RenderRequest, WithoutADemonstrationScriptTheClickStillMovesTheAim)
{
    testing::TempFolder empty;
    StartedForm bare({2021, 3, 1, 7, 0}, empty.path());
    Halvane& g = bare.h;
    events.clock = &bare.clock;  // the animation after the click runs on this form's clock
    setShown(g, Combo4, "Single");
    setText(g, Text1, "90");
    setText(g, Text2, "0");
    setText(g, Text3, "40");
    EXPECT_EQ(g.panel.box(Combo16).shown, "");
    Form_MouseUp(g, {surface, bare.clock, bare.random, events}, surface.scaleWidth() / 2 + 400,
                 surface.scaleHeight() / 2 - 200);
    EXPECT_EQ(g.panel.text(Text1), "88.1");  // 0.19 x 400 / 40 to the west
    EXPECT_EQ(g.panel.text(Text2), "0.95");
    EXPECT_EQ(g.panel.text(Text3), "40");
    EXPECT_EQ(g.vars.scene, 0);
}

TEST_F(RenderRequest, ATypedMagnificationIsHeldToItsRange)
{
    loadCatalogue(h, form.messages);
    aimAtSirius();
    for (const char* tiny : {"0.001", "1e-300"}) {
        setText(h, Text1, "90");
        setText(h, Text3, tiny);
        clickAt(750, 0);
        EXPECT_EQ(h.panel.text(Text3), "7.5") << tiny;
        EXPECT_EQ(h.panel.text(Text1), "71") << tiny;  // 0.19 x 750 / 7.5
    }
    setText(h, Text3, "1e12");
    clickCentre();
    EXPECT_EQ(h.panel.text(Text3), "100000000");

    setText(h, Text1, "90");
    setText(h, Text3, "20");
    clickAt(750, 0);
    EXPECT_EQ(h.panel.text(Text1), "82.875");
    EXPECT_EQ(h.panel.text(Text22), "equat.5h31m30s");
    EXPECT_GT(litPixels(), 100);  // the stars of Orion and Taurus
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
