#include "ephemeris/day_count.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(DayCount, LeapYearsFollowTheGregorianRulesAlsoBeforeYearOne)
{
    EXPECT_EQ(leapFlag(2000), 1);
    EXPECT_EQ(leapFlag(1900), 0);
    EXPECT_EQ(leapFlag(2024), 1);
    EXPECT_EQ(leapFlag(2021), 0);
    EXPECT_EQ(leapFlag(0), 1);
    EXPECT_EQ(leapFlag(-4), 1);
    EXPECT_EQ(leapFlag(-100), 0);
}

TEST(DayCount, MonthTableHoldsMarchStartAndTheYearsLength)
{
    EXPECT_EQ(monthStartTable(2000)[3], 60);
    EXPECT_EQ(monthStartTable(1900)[3], 59);
    EXPECT_EQ(monthStartTable(2000)[13], 366);
    EXPECT_EQ(monthStartTable(2021)[13], 365);
    EXPECT_EQ(monthStartTable(2021)[12], 334);
}

TEST(DayCount, CountsFromNineteenAugust1982)
{
    const auto table1982 = monthStartTable(1982);
    const auto table2000 = monthStartTable(2000);
    EXPECT_EQ(yearStartDays(1), 0);
    EXPECT_EQ(dayCount(1982, 8, 19, table1982), 0);
    EXPECT_EQ(dayCount(1982, 8, 18, table1982), -1);
    EXPECT_EQ(dayCount(2000, 1, 1, table2000), 6344);
    EXPECT_EQ(dayCount(2000, 3, 1, table2000) - dayCount(2000, 2, 28, table2000), 2);
}

TEST(DayCount, StaysContinuousAcrossYearOneAndCountsOnPastAMonthsEnd)
{
    EXPECT_EQ(dayCount(1, 1, 1, monthStartTable(1)) - dayCount(0, 12, 31, monthStartTable(0)), 1);
    const auto table = monthStartTable(2021);
    EXPECT_EQ(dayCount(2021, 2, 31, table), dayCount(2021, 3, 3, table));
}

TEST(DayCount, MonthOutsideTheTableCountsFromTheNearestMonth)
{
    const auto table = monthStartTable(2021);
    EXPECT_EQ(dayCount(2021, 13, 1, table), dayCount(2021, 12, 1, table));
    EXPECT_EQ(dayCount(2021, -7, 1, table), dayCount(2021, 1, 1, table));
    EXPECT_EQ(dayCount(2021, 1e300, 1, table), dayCount(2021, 12, 1, table));
}

TEST(DayCount, LagMinutesFollowTheSignOfTheHours)
{
    EXPECT_DOUBLE_EQ(lagDays(9, 0), 0.375);
    EXPECT_DOUBLE_EQ(lagDays(-3, 30), -3.5 / 24);
    EXPECT_DOUBLE_EQ(lagDays(5, 30), 5.5 / 24);
    EXPECT_DOUBLE_EQ(lagDays(5, -30), 5.5 / 24);
    EXPECT_DOUBLE_EQ(lagDays(0, -30), -0.5 / 24);
    EXPECT_DOUBLE_EQ(lagDays(0, 45), 0.75 / 24);
}

}  // namespace
}  // namespace halvane
