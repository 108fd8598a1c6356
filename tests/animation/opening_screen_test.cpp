#include "animation/opening_screen.h"

#include <gtest/gtest.h>

#include "animation/background_stars.h"
#include "animation/help_screen.h"
#include "fakes.h"
#include "panel/panel_test_support.h"
#include "surface/lit_pixels.h"
#include "surface/printed_line.h"

namespace halvane {
namespace {

using testing::lineHeight;
using testing::printedAt;

constexpr Rgb pink{255, 156, 156};

// A help-text line as printed right of the panel, its leading blanks left out.
bool printedBesidePanel(const Surface& surface, double y, double points, Rgb colour, const std::string& line)
{
    return printedAt(surface, y, points, colour, line.substr(line.find_first_not_of(' ')), {}, HelpTextLeft);
}

TEST(OpeningScreen, TitleShowsTheHintOnlyInJapaneseAndTheWaitRequestForTheMedley)
{
    struct Case {
        int je, scene, requestLine;
    };
    testing::StartedForm form;
    Halvane& h = form.h;
    for (const Case& c :
         {Case{Japanese, 0, help::Request}, Case{English, 0, help::Request},
          Case{English, MedleyScene, help::RequestToWait}, Case{Japanese, MedleyScene, help::RequestToWait}}) {
        h.vars.je = c.je;
        h.vars.scene = c.scene;
        Surface surface(QSize(1000, 400));
        drawTitle(h, surface);
        const auto& lines = h.texts.helpLines[language(c.je)];
        const double hintY = 1200 + lineHeight(12);
        const double requestY = hintY + (c.je == Japanese ? lineHeight(10) : 0);
        EXPECT_EQ(printedBesidePanel(surface, hintY, 10, pink, h.texts.englishHint), c.je == Japanese) << c.je;
        EXPECT_TRUE(printedBesidePanel(surface, requestY, 20, pink, lines[static_cast<size_t>(c.requestLine)]))
            << c.je << c.scene;
        const int otherLine = c.requestLine == help::Request ? help::RequestToWait : help::Request;
        EXPECT_FALSE(printedBesidePanel(surface, requestY, 20, pink, lines[static_cast<size_t>(otherLine)]));
        EXPECT_TRUE(printedBesidePanel(surface, requestY + lineHeight(20), 9, pink, lines[help::FirstHelp]));
    }
}

// Runs the opening screen on a tall surface whose 1000 stars all lie below
// the text, and tells which stars show afterwards.
struct Opening {
    testing::StartedForm form;
    Halvane& h = form.h;
    Surface surface{QSize(300, 1000)};
    testing::FakeEventPump events;
    testing::ScriptedRandom random;
    int loads = 0;
    bool titleBeforeLoad = false;
    QImage atLoad;  // the screen as the catalogue starts loading: the title alone

    Opening()
    {
        events.clock = &form.clock;
        form.clock.seconds = 43200;
        // x anywhere, y in the lowest tenth, levels 20 to 200 (one pixel each).
        for (int i = 0; i < BackgroundStars::Count; ++i) {
            const double f = (i * 0.618034) - static_cast<int>(i * 0.618034);
            random.values.insert(random.values.end(), {0.05 + 0.9 * f, 0.88 + 0.1 * f, 0.1 + 0.9 * (1 - f)});
        }
        random.values.insert(random.values.end(), {0.5, 0.5, 0});  // the light: centre, heading right
    }

    void run()
    {
        openingScreen(h, {surface, form.clock, random, events}, [&] {
            ++loads;
            const QImage& image = surface.screen();
            atLoad = image.copy();
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < image.width(); ++x) titleBeforeLoad |= testing::litPixel(image, x, y);
        });
    }

    int starsShown()
    {
        testing::ScriptedRandom replay;
        replay.values = random.values;
        const BackgroundStars stars(surface.scaleWidth(), surface.scaleHeight(), replay);
        int shown = 0;
        for (int row = 1; row <= BackgroundStars::Count; ++row) {
            const double s = std::sqrt(stars[row].level / 256);
            shown += surface.point(stars[row].x + (s / 2 - 1) * 6, stars[row].y + (s / 2 - 1) * 6) != Rgb{};
        }
        return shown;
    }
};

TEST(OpeningScreen, EndsAfterFiveSecondsWithEveryStarRepaintedOrAtOnceOnAStopFlag)
{
    enum Stop { None, Click, HelpButton };
    for (Stop stop : {None, Click, HelpButton}) {
        Opening opening;
        opening.events.hook = [&] {
            if (stop == Click) opening.h.flags.pz = true;
            if (stop == HelpButton) opening.h.flags.t99 = true;
        };
        opening.run();
        EXPECT_EQ(opening.loads, 1);
        EXPECT_TRUE(opening.titleBeforeLoad);
        EXPECT_EQ(opening.events.waits, stop == None ? 151 : 1);
        if (stop == None)
            EXPECT_EQ(opening.starsShown(), BackgroundStars::Count);
        else
            EXPECT_LT(opening.starsShown(), BackgroundStars::Count) << "the twinkle blacked out some";
    }
}

// Refreshed every half second for five seconds, the title keeps the look
// of its first drawing on black: every pixel it inks is as it was then.
TEST(OpeningScreen, TheTitleLooksAtTheEndAsItDidAtTheStart)
{
    Opening opening;
    opening.run();
    const QImage& start = opening.atLoad;
    const QImage& end = opening.surface.screen();
    int inked = 0, changed = 0;
    for (int y = 0; y < start.height(); ++y)
        for (int x = 0; x < start.width(); ++x) {
            if ((start.pixel(x, y) & 0xffffff) == 0) continue;
            ++inked;
            changed += end.pixel(x, y) != start.pixel(x, y);
        }
    EXPECT_GT(inked, 1000);
    EXPECT_EQ(changed, 0);
}

// At 96 and 192 DPI and at any size of the text, no help line reaches into
// the panel's columns.
TEST(HelpScreen, EveryLineStartsRightOfThePanel)
{
    testing::StartedForm form;
    Halvane& h = form.h;
    for (const double twipsPerPixel : {15.0, 7.5}) {
        for (const int je : {Japanese, English}) {
            h.vars.je = je;
            Surface surface(QSize(static_cast<int>(20000 / twipsPerPixel), static_cast<int>(12000 / twipsPerPixel)),
                            twipsPerPixel, twipsPerPixel);
            helpScreen(h, surface);
            const QImage& image = surface.screen();
            const int panelPixels = static_cast<int>(PanelWidthTwips / twipsPerPixel);
            int inside = 0, beside = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) & 0xffffff) != 0) ++(x <= panelPixels ? inside : beside);
            EXPECT_EQ(inside, 0) << je << " " << twipsPerPixel;
            EXPECT_GT(beside, 5000) << je << " " << twipsPerPixel;
        }
    }
}

}  // namespace
}  // namespace halvane
