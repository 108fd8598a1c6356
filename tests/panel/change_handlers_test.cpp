#include "panel/change_handlers.h"

#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "panel/panel_test_support.h"
#include "panel/stepping.h"

namespace halvane {
namespace {

using testing::StartedForm;

TEST(ChangeHandlers, TextBoxesCopyTheirValuesIntoTheForm)
{
    StartedForm form;
    Halvane& h = form.h;
    setText(h, Text2, "-45");
    EXPECT_NEAR(h.vars.b2, -45 * p0 / 180, 1e-15);
    setText(h, Text8, "5");
    EXPECT_EQ(h.vars.StrMinu, "05");
    setText(h, Text8, "12");
    EXPECT_EQ(h.vars.StrMinu, "12");
    setText(h, Text14, "0.1");
    EXPECT_EQ(h.vars.d3dd00, 0.1f);
    setText(h, Text16, "7.9");
    EXPECT_EQ(h.vars.times.value(), 7);
    setText(h, Text17, "1.5au");  // leading number, rest ignored
    EXPECT_EQ(h.bodies.x[body::FixedPoint], 1.5);
    setText(h, Text18, "");
    EXPECT_EQ(h.bodies.y[body::FixedPoint], 0);
}

TEST(ChangeHandlers, ATextThatIsNotANumberKeepsTheLastValue)
{
    StartedForm form;
    Halvane& h = form.h;
    setText(h, Text1, "45");
    setText(h, Text1, "-");  // half typed
    EXPECT_NEAR(h.vars.b1, 45 * p0 / 180, 1e-15);
    setText(h, Text3, "300");
    setText(h, Text3, "3OO");
    EXPECT_EQ(h.vars.b0.value(), 300);
    setText(h, Text4, "");
    EXPECT_TRUE(h.vars.Ye.empty());
}

TEST(ChangeHandlers, SelectionBoxesStoreTheMatchingRow)
{
    StartedForm form;
    Halvane& h = form.h;
    setShown(h, Combo5, "Sky-ecliptic");
    EXPECT_EQ(h.vars.selec, display::SkyEcliptic);
    setShown(h, Combo6, "Mars");
    EXPECT_EQ(h.vars.view, body::Mars);
    setShown(h, Combo6, "Fixed");
    EXPECT_EQ(h.vars.view, body::FixedPoint);
    setShown(h, Combo8, "NoFollow");
    EXPECT_EQ(h.vars.see, body::FixedPoint);
    setShown(h, Combo8, "Moon");
    EXPECT_EQ(h.vars.see, body::Moon);
    setShown(h, Combo8, "the vernal equinox");  // reference points are never matched
    EXPECT_EQ(h.vars.see, body::Moon);
    setShown(h, Combo16, "Medley");
    EXPECT_EQ(h.vars.scene, MedleyScene);
    setShown(h, Combo9, "Bright Line");
    EXPECT_EQ(h.vars.con, 2);
    setShown(h, Combo11, "+3 bright");
    EXPECT_EQ(h.vars.gra, 3);
}

TEST(ChangeHandlers, LanguageSwitchReadsTheOtherLanguageAfterwards)
{
    StartedForm form;
    Halvane& h = form.h;
    setShown(h, Combo3, "Japanese");
    EXPECT_EQ(h.vars.je, Japanese);
    setShown(h, Combo4, "Single");  // English text no longer matches
    setShown(h, Combo4, "連続表示");
    EXPECT_EQ(h.vars.norm, repeat::Sequential);
    setShown(h, Combo3, "English");
    EXPECT_EQ(h.vars.je, English);
}

// Whatever a user types into any box, and whichever button follows, the
// panel keeps working and the form state stays a set of finite numbers.
TEST(ChangeHandlers, RandomTextInEveryBoxLeavesThePanelWorking)
{
    StartedForm form;
    Halvane& h = form.h;
    std::mt19937 random(20261208);
    const std::string alphabet = "0123456789.-+eE ,x\t中";
    auto randomText = [&] {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        if (random() % 5 == 0) text = std::to_string(static_cast<int>(random() % 2000000000) - 1000000000);
        if (random() % 7 == 0) text = "1e308";
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const auto box = static_cast<TextBox>(1 + random() % 23);
        setText(h, box, randomText());
        pressStepButton(h, form.messages, static_cast<CommandButton>(1 + random() % 26));
        const auto combo = allComboBoxes[random() % allComboBoxes.size()];
        const auto& entries = h.panel.box(combo).entries;
        setShown(h, combo, random() % 4 == 0 ? randomText() : entries[random() % entries.size()]);
    }
    EXPECT_TRUE(std::isfinite(h.vars.b1));
    EXPECT_TRUE(std::isfinite(h.vars.b2));
    EXPECT_TRUE(h.vars.je == Japanese || h.vars.je == English);
    EXPECT_TRUE(body::isSlot(h.vars.view));
    EXPECT_TRUE(body::isSlot(h.vars.see));
}

}  // namespace
}  // namespace halvane
