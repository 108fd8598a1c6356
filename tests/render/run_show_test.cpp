// Runs played as a show: the window shows only whole pictures, a run keeps
// its pace, the caption's weekday and a scene's start match what they stand
// beside.
#include <gtest/gtest.h>

#include <QDate>
#include <utility>
#include <vector>

#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "render/panel_sync.h"
#include "render/render_request.h"
#include "zodiac/zodiac_caption.h"

namespace halvane {
namespace {

using testing::FakeEventPump;
using testing::StartedForm;

struct RunShow : ::testing::Test {
    StartedForm form{{2021, 3, 1, 7, 0}};
    Halvane& h = form.h;
    Surface surface{QSize(480, 360)};
    FakeEventPump events;

    RunShow() { events.clock = &form.clock; }
    void click(double leastPassSeconds = 0)
    {
        Form_MouseUp(h, {surface, form.clock, form.random, events, leastPassSeconds}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
    }
    // The next pass of a Sequential run counts past the end and draws nothing.
    void endRunAtNextPass() { setText(h, Text16, "1"); }
};

TEST_F(RunShow, SaturnRunShowsOnlyWholePicturesAtMostThirtyASecond)
{
    setShown(h, Combo16, "Saturn2");
    // What the view is asked to show at every chance the window gets to
    // repaint: inside a pass's drawing, and in the wait between passes.
    struct Shown {
        bool betweenPasses;
        QImage shown, drawn;
    };
    std::vector<Shown> seen;
    int waits = 0;
    events.hook = [&] {
        const bool wait = events.waits != waits;
        waits = events.waits;
        seen.push_back({wait, surface.shown().copy(), surface.screen().copy()});
        if (waits == 4 || seen.size() > 400) endRunAtNextPass();
    };
    const QImage before = surface.shown().copy();
    click(1.0 / 30);

    ASSERT_EQ(events.waits, 4);  // one wait after each of the four passes
    // On a clock that no drawing moves on, each pass took its thirtieth of a second in the wait.
    EXPECT_NEAR(form.clock.seconds, 4.0 / 30, 1e-5);
    QImage lastWhole = before;
    int inPass = 0;
    for (const Shown& s : seen) {
        if (s.betweenPasses) {
            EXPECT_EQ(s.shown, s.drawn) << "the finished pass is on the screen";
            lastWhole = s.shown;
        } else {
            ++inPass;
            EXPECT_EQ(s.shown, lastWhole) << "the previous picture stays while a pass draws";
        }
    }
    EXPECT_GE(inPass, 8);  // at least two chances in each pass
    EXPECT_NE(lastWhole, before);
    EXPECT_EQ(surface.shown(), surface.screen());  // the last picture shows once the run is over
}

TEST_F(RunShow, ZodiacCaptionGivesTheWeekdayOfTheDateItPrints)
{
    setShown(h, Combo5, "Zodiac");
    setShown(h, Combo4, "Sequential");
    for (auto [box, text] : {std::pair{Text4, "2024"}, {Text5, "1"}, {Text15, "1"}, {Text16, "9"}})
        setText(h, box, text);
    for (const int je : {English, Japanese}) {
        h.vars.je = je;
        panelWriteBack(h);
        setText(h, Text6, "1");
        std::vector<std::string> captions;
        events.hook = [&] {
            const std::string caption = captionDate(h);
            if (captions.empty() || captions.back() != caption) captions.push_back(caption);
        };
        click();
        ASSERT_EQ(captions.size(), 8u);
        for (size_t pass = 0; pass < captions.size(); ++pass) {
            const int day = static_cast<int>(pass) + 2;  // the first pass shows a step on: 2 January
            const auto weekday = static_cast<size_t>(QDate(2024, 1, day).dayOfWeek() % 7);  // Sunday 0
            const std::string& name = h.texts.weekdayNames[static_cast<size_t>(je)][weekday];
            const std::string d = std::to_string(day);
            EXPECT_EQ(captions[pass],
                      je == English ? "Planets on Zodiac on  7 :00 (" + name + ")  " + d + " / 1 / 2024 "
                                    : "惑星黄経配置　 2024 年 1 月 " + d + " 日(" + name + ")  7 :00");
        }
    }
}

TEST_F(RunShow, ASceneChosenInARunStartsAsAClickOnItWould)
{
    // A zodiac run leaves the flag that stops the idle animation set; the
    // sky scene chosen in it gets its animation, as after a click.
    setShown(h, Combo5, "Zodiac");
    setShown(h, Combo4, "Sequential");
    setText(h, Text16, "10");
    int frames = 0;
    events.onShow = [&] { ++frames; };
    events.hook = [&] {
        if (h.vars.selec == display::Zodiac) setShown(h, Combo16, h.texts.sceneNames[English][1].c_str());
    };
    click();
    EXPECT_EQ(h.vars.selec, display::SkyEquatorial);
    EXPECT_FALSE(h.flags.t99);
    EXPECT_GT(frames, 100);  // five seconds of twinkling
}

}  // namespace
}  // namespace halvane
