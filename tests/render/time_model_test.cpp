#include "render/time_model.h"

#include <gtest/gtest.h>

#include "ephemeris/calendar_moment.h"
#include "fakes.h"
#include "render/sky_at.h"

namespace halvane {
namespace {

using testing::formWithTables;

void setPanelMoment(Halvane& h, CalendarMoment moment, double lagHours, double lagMinutes = 0)
{
    setDateVariables(h.vars, moment);
    h.vars.Dho = lagHours;
    h.vars.Dmi = lagMinutes;
}

std::vector<std::string> dateBoxes(const Halvane& h)
{
    return {h.panel.text(Text4), h.panel.text(Text5), h.panel.text(Text6), h.panel.text(Text7), h.panel.text(Text8)};
}

using Boxes = std::vector<std::string>;

TEST(TimeComputation, EpochAndMillenniumDayCounts)
{
    auto h = formWithTables();
    setPanelMoment(*h, {1982, 8, 19, 9, 0}, 9);
    computeTime(*h, 0);
    EXPECT_EQ(h->time.Di, 0);
    EXPECT_EQ(h->time.Ti, 0);

    setPanelMoment(*h, {2000, 1, 1, 0, 0}, 0);
    computeTime(*h, 0);
    EXPECT_EQ(h->time.Di, 6344);
    EXPECT_DOUBLE_EQ(h->time.Ti, 6344 / taiyounenniti);
}

TEST(TimeComputation, NegativeLagWithMinutesIsBehindUniversalTime)
{
    auto h = formWithTables();
    setPanelMoment(*h, {1982, 8, 19, 0, 0}, -3, 30);
    computeTime(*h, 0);
    EXPECT_NEAR(h->time.Ti * taiyounenniti * 24, 3.5, 1e-9);
}

TEST(TimeComputation, SingleModeAddsTheStepButLeavesThePanel)
{
    auto h = formWithTables();
    setPanelMoment(*h, {1982, 8, 19, 9, 0}, 9);
    h->vars.norm = repeat::Single;
    computeTime(*h, 2);
    EXPECT_DOUBLE_EQ(h->time.Ti, 2 / taiyounenniti);
    EXPECT_EQ(h->vars.Da.value(), 19);
}

TEST(TimeComputation, MonthTableEndsBuiltForTheLastCometsPerihelionYear)
{
    auto h = formWithTables();
    h->bodies.perihelionYear[body::LastComet] = 2024;
    h->bodies.perihelionMonth[body::LastComet] = 5;
    h->bodies.perihelionDay[body::LastComet] = 1;
    setPanelMoment(*h, {2021, 6, 1, 0, 0}, 0);
    computeTime(*h, 0);
    EXPECT_EQ(h->time.monthStart[3], 60);
    EXPECT_EQ(h->time.monthStart[13], 366);
}

class SequentialStep : public ::testing::Test {
protected:
    std::unique_ptr<Halvane> h = formWithTables();

    void step(double days)
    {
        h->vars.norm = repeat::Sequential;
        computeTime(*h, days);
    }
};

TEST_F(SequentialStep, WritesTheStepsMomentBackAcrossTheYearEnd)
{
    setPanelMoment(*h, {2019, 12, 31, 23, 50}, 9);
    step(0.01);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2020", "1", "1", "0", "4"}));
    EXPECT_EQ(h->vars.Ye.value(), 2020);
    EXPECT_EQ(h->vars.Minu.value(), 4);
}

TEST_F(SequentialStep, SkipsTheTwentyNinthOfFebruaryInACommonYear)
{
    setPanelMoment(*h, {2021, 2, 28, 23, 0}, 9);
    step(1);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2021", "3", "1", "23", "0"}));
}

TEST_F(SequentialStep, WholeDayStepsKeepTheMinuteOverManyPasses)
{
    setPanelMoment(*h, {2021, 3, 1, 7, 0}, 9);
    step(1);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2021", "3", "2", "7", "0"}));
    for (int pass = 0; pass < 400; ++pass) step(1);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2022", "4", "6", "7", "0"}));
}

TEST_F(SequentialStep, WholeMinuteStepsLandOnTheMinuteWithMinutesInTheLag)
{
    setPanelMoment(*h, {2021, 3, 1, 7, 0}, -3, 30);
    for (int pass = 0; pass < 60; ++pass) step(1.0 / 1440);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2021", "3", "1", "8", "0"}));
}

TEST_F(SequentialStep, AStepWithSecondsDropsThemAtEveryPass)
{
    setPanelMoment(*h, {2021, 3, 1, 7, 0}, 9);
    step(0.015);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2021", "3", "1", "7", "21"}));
    step(0.015);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2021", "3", "1", "7", "42"}));
}

TEST_F(SequentialStep, FarYearsComeBackUnchanged)
{
    setPanelMoment(*h, {-4000, 2, 29, 12, 30}, 9);
    step(0);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"-4000", "2", "29", "12", "30"}));
    setPanelMoment(*h, {1000000, 12, 31, 23, 59}, 9);
    step(0);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"1000000", "12", "31", "23", "59"}));
}

TEST(CalendarMoment, YearsTooLargeToSplitStillGiveADate)
{
    MonthStartTable table{};
    for (const double days : {1e20, -1e20, 4e12}) {
        const CalendarMoment moment = calendarMoment(days, table);
        EXPECT_GE(moment.month, 1);
        EXPECT_LE(moment.month, 12);
        EXPECT_GE(moment.hour, 0);
        EXPECT_LT(moment.hour, 24);
    }
}

TEST(ClockStep, NowModeGoesBackToTheModeOfThePassStart)
{
    auto h = formWithTables();
    fillMenuTables(h->texts);
    testing::FakeClock clock;
    clock.time = {2026, 12, 8, 21, 5};
    h->vars.norm = repeat::Now;
    clockStep(*h, clock, repeat::Sequential);
    EXPECT_EQ(dateBoxes(*h), (Boxes{"2026", "12", "8", "21", "5"}));
    EXPECT_EQ(h->vars.StrMinu, "05");
    EXPECT_EQ(h->vars.norm, repeat::Sequential);
    EXPECT_EQ(h->panel.box(Combo4).shown, h->texts.menu[h->vars.je][menu::RepeatMode][repeat::Sequential]);

    h->vars.norm = repeat::AtRandom;
    clockStep(*h, clock, repeat::Single);
    EXPECT_EQ(h->vars.norm, repeat::AtRandom);
}

TEST(ClockStep, AnUnknownModeAtThePassStartShowsNothingNew)
{
    auto h = formWithTables();
    fillMenuTables(h->texts);
    testing::FakeClock clock;
    h->vars.norm = repeat::Now;
    clockStep(*h, clock, 77);
    EXPECT_EQ(h->vars.norm, 77);
    EXPECT_EQ(h->panel.box(Combo4).shown, "");
}

}  // namespace
}  // namespace halvane
