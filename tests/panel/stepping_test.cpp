#include "panel/stepping.h"

#include <gtest/gtest.h>

#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"

namespace halvane {
namespace {

using testing::StartedForm;

class Stepping : public ::testing::Test {
protected:
    StartedForm form;
    Halvane& h = form.h;

    std::string press(CommandButton button, TextBox box)
    {
        pressStepButton(h, form.messages, button);
        return h.panel.text(box);
    }
    void type(TextBox box, const std::string& text) { setText(h, box, text); }
    void setDate(const char* y, const char* m, const char* d)
    {
        type(Text4, y);
        type(Text5, m);
        type(Text6, d);
    }
    std::string date() const { return h.panel.text(Text4) + "-" + h.panel.text(Text5) + "-" + h.panel.text(Text6); }
};

TEST_F(Stepping, MagnificationDoublesAndHalvesWithinItsLimits)
{
    type(Text3, "7.5");
    EXPECT_EQ(press(Command7, Text3), "7.5");  // Int(3.75) = 3 is raised to 7.5
    EXPECT_EQ(press(Command6, Text3), "15");
    type(Text3, "80000000");
    EXPECT_EQ(press(Command6, Text3), "100000000");
    EXPECT_EQ(h.vars.b0.value(), 100000000);
    type(Text3, "25");
    EXPECT_EQ(press(Command7, Text3), "12");
}

TEST_F(Stepping, FirstAngleWrapsIntoZeroTo360)
{
    type(Text3, "7.5");
    type(Text1, "350");
    EXPECT_EQ(press(Command5, Text1), "70");  // step 600 / 7.5 = 80
    EXPECT_NEAR(h.vars.b1, 70 * p0 / 180, 1e-12);
    type(Text1, "10");
    EXPECT_EQ(press(Command4, Text1), "290");
    // Outside the sky views the step is 30 degrees.
    setShown(h, Combo5, "Zodiac");
    type(Text1, "345");
    EXPECT_EQ(press(Command5, Text1), "15");
}

TEST_F(Stepping, AngleStepFollowsTheMagnificationThePassDrawsWith)
{
    // 600 / magnification, at least 0.01; an empty box or 0 steps as the
    // pass draws it, at 20; a negative magnification gives the least step.
    const struct {
        const char* magnification;
        const char* after;
    } cases[] = {{"100000000", "90.01"},  {"7.5", "170"},   {"0", "120"},     {"", "120"},
                 {"not a number", "120"}, {"-10", "90.01"}, {"-0.5", "90.01"}};
    for (const auto& c : cases) {
        type(Text3, c.magnification);
        type(Text1, "90");
        EXPECT_EQ(press(Command5, Text1), c.after) << c.magnification;
    }
}

TEST_F(Stepping, SecondAngleRangesFromMinus360To360)
{
    setShown(h, Combo5, "1-Orbit");
    type(Text2, "-350");
    EXPECT_EQ(press(Command3, Text2), "-20");  // -380 gets 360 added
    type(Text2, "-300");
    EXPECT_EQ(press(Command3, Text2), "-330");
    type(Text2, "350");
    EXPECT_EQ(press(Command2, Text2), "20");
}

TEST_F(Stepping, OrbitViewsRunningSequentiallyLockTheFirstThreeNumbers)
{
    setShown(h, Combo5, "2-Orbit");
    setShown(h, Combo4, "Sequential");
    setShown(h, Combo2, "NoName");
    ASSERT_EQ(h.vars.selec, display::TwoOrbit);
    ASSERT_EQ(h.vars.norm, repeat::Sequential);
    type(Text1, "90");
    type(Text2, "10");
    type(Text3, "20");
    for (CommandButton b : {Command2, Command3, Command4, Command5, Command6, Command7})
        pressStepButton(h, form.messages, b);
    EXPECT_EQ(h.panel.text(Text1), "90");
    EXPECT_EQ(h.panel.text(Text2), "10");
    EXPECT_EQ(h.panel.text(Text3), "20");
    // Names only lifts the lock; a non-number still gets its message.
    type(Text3, "x");
    pressStepButton(h, form.messages, Command6);
    EXPECT_EQ(form.messages.shown.size(), 1u);
    setShown(h, Combo2, "OnlyName");
    EXPECT_EQ(press(Command5, Text1), "120");
}

TEST_F(Stepping, NonNumberGivesTheMessageInTheCurrentLanguageAndChangesNothing)
{
    type(Text1, "abc");
    const double b1 = h.vars.b1;
    pressStepButton(h, form.messages, Command5);
    ASSERT_EQ(form.messages.shown.size(), 1u);
    EXPECT_EQ(form.messages.shown[0], "Please input number");
    EXPECT_EQ(h.panel.text(Text1), "abc");
    EXPECT_EQ(h.vars.b1, b1);
    setShown(h, Combo3, "Japanese");
    ASSERT_EQ(h.vars.je, Japanese);
    type(Text16, "");
    pressStepButton(h, form.messages, Command1);
    EXPECT_EQ(form.messages.shown.back(), "数字を入力してください");
}

TEST_F(Stepping, MonthCarriesIntoTheYear)
{
    setDate("2020", "12", "5");
    EXPECT_EQ(press(Command13, Text5), "1");
    EXPECT_EQ(h.panel.text(Text4), "2021");
    EXPECT_EQ(press(Command12, Text5), "12");
    EXPECT_EQ(h.panel.text(Text4), "2020");
    EXPECT_EQ(h.vars.Ye.value(), 2020);
}

TEST_F(Stepping, DayCarriesAcrossMonthsLeapYearsAndYearEnds)
{
    setDate("2000", "3", "1");
    press(Command8, Text6);
    EXPECT_EQ(date(), "2000-2-29");
    setDate("1900", "3", "1");
    press(Command8, Text6);
    EXPECT_EQ(date(), "1900-2-28");
    setDate("2023", "1", "1");
    press(Command8, Text6);
    EXPECT_EQ(date(), "2022-12-31");
    setDate("2023", "5", "1");
    press(Command8, Text6);
    EXPECT_EQ(date(), "2023-4-30");

    setDate("2021", "12", "31");
    press(Command9, Text6);
    EXPECT_EQ(date(), "2022-1-1");
    setDate("2024", "2", "29");
    press(Command9, Text6);
    EXPECT_EQ(date(), "2024-3-1");
    setDate("2023", "2", "28");
    press(Command9, Text6);
    EXPECT_EQ(date(), "2023-3-1");
    setDate("2000", "2", "28");
    press(Command9, Text6);
    EXPECT_EQ(date(), "2000-2-29");
    setDate("2023", "4", "30");
    press(Command9, Text6);
    EXPECT_EQ(date(), "2023-5-1");
    EXPECT_EQ(h.vars.Mo.value(), 5);
}

TEST_F(Stepping, DayBeyondItsMonthIsOnlyCarriedAtTheThreshold)
{
    setDate("2023", "2", "30");
    press(Command8, Text6);
    EXPECT_EQ(date(), "2023-2-29");
}

TEST_F(Stepping, IntervalHalvesAndDoublesKeepingItsSign)
{
    type(Text15, "-0.05");
    EXPECT_EQ(press(Command25, Text15), "-0.03");  // Int(-2.5)/100, not above -0.03
    EXPECT_EQ(press(Command25, Text15), "0.01");  // Int(-1.5)/100 = -0.02 crosses over
    EXPECT_EQ(press(Command25, Text15), "0.02");
    EXPECT_EQ(press(Command26, Text15), "0.01");
    EXPECT_EQ(press(Command26, Text15), "-0.01");  // 0.005 is below 0.01
    EXPECT_EQ(press(Command26, Text15), "-0.02");
    type(Text15, "0");
    EXPECT_EQ(press(Command25, Text15), "0.01");
    EXPECT_EQ(h.vars.t10.value(), 0.01);
}

TEST_F(Stepping, FixedPointCoordinatesHalveAndDoubleToMillionths)
{
    type(Text17, "0.0001");
    EXPECT_EQ(press(Command16, Text17), "-0.0001");
    EXPECT_EQ(press(Command11, Text17), "0.0001");
    type(Text18, "0.7");
    EXPECT_EQ(press(Command18, Text18), "1.4");
    EXPECT_EQ(h.bodies.y[body::FixedPoint], 1.4);
    type(Text19, "-1");
    EXPECT_EQ(press(Command21, Text19), "-2");
}

TEST_F(Stepping, RepetitionsNeverFallBelowOne)
{
    type(Text16, "3");
    EXPECT_EQ(press(Command17, Text16), "1");
    EXPECT_EQ(press(Command17, Text16), "1");
    EXPECT_EQ(press(Command1, Text16), "2");
    EXPECT_EQ(h.vars.times.value(), 2);
}

}  // namespace
}  // namespace halvane
