#include "startup/startup.h"

#include <gtest/gtest.h>

#include <cmath>

#include "panel/panel_test_support.h"

namespace halvane {
namespace {

using testing::StartedForm;

TEST(Startup, FirstStartShowsTheEnglishDefaults)
{
    StartedForm form({2026, 12, 8, 21, 5});
    const PanelModel& p = form.h.panel;
    EXPECT_EQ(p.text(Text1), "90");
    EXPECT_EQ(p.text(Text2), "0");
    EXPECT_EQ(p.text(Text3), "20");
    EXPECT_EQ(p.text(Text4), "2026");
    EXPECT_EQ(p.text(Text5), "12");
    EXPECT_EQ(p.text(Text6), "8");
    EXPECT_EQ(p.text(Text7), "21");
    EXPECT_EQ(p.text(Text8), "5");
    EXPECT_EQ(p.text(Text9), "9");
    EXPECT_EQ(p.text(Text10), "0");
    EXPECT_EQ(p.text(Text11), "0");
    EXPECT_EQ(p.text(Text13), "1");
    EXPECT_EQ(p.text(Text14), "1");
    EXPECT_EQ(p.text(Text15), "10");
    EXPECT_EQ(p.text(Text16), "10");
    EXPECT_EQ(p.box(Combo8).shown, "NoFollow");
    EXPECT_EQ(p.box(Combo6).shown, "Sun");
    EXPECT_EQ(p.box(Combo5).shown, "Sky-equatorial");
    EXPECT_EQ(p.box(Combo4).shown, "Single");
    EXPECT_EQ(p.box(Combo12).shown, "No Music");
    EXPECT_EQ(p.box(Combo3).shown, "Eng");
    EXPECT_EQ(form.h.vars.StrMinu, "05");
    EXPECT_EQ(form.h.vars.see, body::FixedPoint);
    EXPECT_EQ(form.random.reseeds, 1);
}

TEST(Startup, BodyListsHoldThirtyOneBodiesAndTheFixedPoint)
{
    StartedForm form;
    const auto& viewpoints = form.h.panel.box(Combo6).entries;
    ASSERT_EQ(viewpoints.size(), 32u);
    EXPECT_EQ(viewpoints[10], "Moon");
    EXPECT_EQ(viewpoints[31], "Fixed");
    EXPECT_EQ(form.h.panel.box(Combo8).entries[31], "NoFollow");
    EXPECT_EQ(form.h.panel.box(Combo16).entries.size(), static_cast<size_t>(SceneSlots));
}

TEST(Startup, DayCountStartsOn19August1982AndCountsLeapDays)
{
    EXPECT_EQ(StartedForm({1982, 8, 19, 9, 0}).h.time.Di, 0);
    StartedForm leapDay({2024, 2, 29, 12, 0});
    EXPECT_EQ(leapDay.h.time.monthStart[3], 60);
    EXPECT_EQ(StartedForm({2024, 3, 1, 12, 0}).h.time.Di - leapDay.h.time.Di, 1);
    EXPECT_EQ(StartedForm({2023, 3, 1, 0, 0}).h.time.monthStart[3], 59);
    EXPECT_EQ(StartedForm({1900, 3, 1, 0, 0}).h.time.monthStart[3], 59);
}

TEST(Startup, PresentMomentIsUniversalTimeInTropicalYears)
{
    // 09:00 at a lag of 9 hours is 0 h UT on day 0.
    EXPECT_NEAR(StartedForm({1982, 8, 19, 9, 0}).h.time.Ti0, 0, 1e-15);
    StartedForm later({1983, 8, 19, 9, 0});
    EXPECT_NEAR(later.h.time.Ti0, 365 / taiyounenniti, 1e-12);
}

TEST(Startup, BuiltInTablesHoldTheirValues)
{
    StartedForm form;
    const BodyTables& b = form.h.bodies;
    EXPECT_NEAR(b.period[body::Mars], 1.880866 * 365.25 / 365.24219029, 1e-12);
    EXPECT_NEAR(b.period[body::Mars], 1.8809062, 1e-7);
    EXPECT_EQ(b.period[body::Earth], kintennen);
    EXPECT_NEAR(kouseinen, 1.0000386578, 1e-10);
    EXPECT_NEAR(kintennen - kouseinen, 0.0000434782, 1e-10);
    EXPECT_NEAR(b.semiMajorAxis[body::FixedPoint], std::sqrt(0.98), 1e-15);
    EXPECT_EQ(b.colour[body::Mars], (Rgb{255, 156, 106}));
    EXPECT_FLOAT_EQ(b.displayScale[body::Earth], static_cast<float>(1.5 * std::sqrt(256 * std::pow(2.5, 4))));
    EXPECT_EQ(form.h.texts.messages[English][message::ShowStarsFirst], "       Please use after showing stars.");
}

}  // namespace
}  // namespace halvane
