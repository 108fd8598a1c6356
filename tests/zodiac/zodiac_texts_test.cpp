#include <gtest/gtest.h>

#include "ephemeris/day_count.h"
#include "panel/panel_test_support.h"
#include "zodiac/geological_age.h"
#include "zodiac/hot_cold_trend.h"
#include "zodiac/zodiac_caption.h"
#include "zodiac/zodiac_chart.h"

namespace halvane {
namespace {

TEST(ZodiacTexts, WeekdaysOfDatesBeforeAndAfterDayZero)
{
    struct Case {
        double year, month, day;
        int weekday;
    };
    const Case cases[] = {
        {1982, 8, 19, 4},  // day 0, Thursday
        {2000, 1, 1, 6},  // Saturday
        {1900, 1, 1, 1},  // Monday
        {1, 1, 1, 1},  // Monday
        {0, 12, 31, 0},  // Sunday, the day before
        {-4713, 11, 24, 1},  // Julian Day 0, Monday
    };
    for (const Case& c : cases) {
        const double Di = dayCount(c.year, c.month, c.day, monthStartTable(c.year));
        EXPECT_EQ(weekdayIndex(Di), c.weekday) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(weekdayIndex(7e15 + 1), 5);  // still exact far beyond any calendar
    EXPECT_EQ(weekdayIndex(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(ZodiacTexts, CaptionShowsDateWeekdayAndALagWithOneSign)
{
    testing::StartedForm form;  // 8 December 2026, 21:05
    Halvane& h = form.h;
    h.vars.Ye = 2026, h.vars.Mo = 12, h.vars.Da = 8, h.vars.Ho = 21, h.vars.StrMinu = "05";
    h.time.Di = dayCount(2026, 12, 7, monthStartTable(2026));  // a run's previous day: not the one printed
    EXPECT_EQ(captionDate(h), "Planets on Zodiac on  21 :05 (Tue)  8 / 12 / 2026 ");
    h.vars.je = Japanese;
    EXPECT_EQ(captionDate(h), "惑星黄経配置　 2026 年 12 月 8 日(火)  21 :05");

    struct Case {
        double hours, minutes;
        const char* lag;
    };
    const Case cases[] = {{0, 0, "(GMT- 0 :00)"},  {9, 0, "(GMT+ 9 :00)"},    {-5, 0, "(GMT- 5 :00)"},
                          {5, 30, "(GMT+ 5 :30)"}, {-3, -30, "(GMT- 3 :30)"}, {-3, 30, "(GMT- 3 :30)"},
                          {9, 5, "(GMT+ 9 :05)"},  {0, 30, "(GMT+ 0 :30)"},   {0, -30, "(GMT- 0 :30)"}};
    for (const Case& c : cases) {
        h.vars.Dho = c.hours, h.vars.Dmi = c.minutes;
        h.vars.je = Japanese;
        EXPECT_EQ(captionZone(h.vars), std::string(c.lag) + "、2000年分点基準");
        h.vars.je = English;
        EXPECT_EQ(captionZone(h.vars), std::string(c.lag) + ", the standard is 2000 year's Vernal Equinox.");
    }
}

TEST(ZodiacTexts, GeologicalAgeNamesTheFirstRowTheDateLiesBeyond)
{
    testing::StartedForm form;  // the age file beside the program
    const AgeTables& ages = form.h.ages;
    const double Ti0 = 44.5;
    struct Case {
        double yearsFromNow;
        int je;
        const char* line;
    };
    const Case cases[] = {
        {0, English, "Present"},
        {0.009, Japanese, "現在"},
        {-0.009, English, "Present"},
        {-0.5, English, "Quaternary Holocene"},
        {-12000, English, "Quaternary Late Pleistocene -12000 years"},
        {-12000, Japanese, "第四紀 後期更新世 -12000 years"},
        {-3e9, English, "Precambrian Archean -3000000000 years"},
        {250.5, English, "  250 years"},  // the future has no age
    };
    for (const Case& c : cases)
        EXPECT_EQ(geologicalAgeLine(ages, c.je, Ti0 + c.yearsFromNow, Ti0), c.line) << c.yearsFromNow;
}

TEST(ZodiacTexts, HotColdTrendRoundsDownToTenths)
{
    struct Case {
        double katamuki, e, E, P, trend;
        const char* line;
    };
    const Case cases[] = {
        {23.25, 0.03, 100, 100, 0, "寒暖程度 Trend of Hot/Cold 0"},
        {24.5, 0.0167, 90, 0, 4.4, "寒暖程度 Trend of Hot/Cold +4.4"},
        {22, 0.05, 0, 90, -5.8, "寒暖程度 Trend of Hot/Cold -5.8"},  // -5.75 rounds down
    };
    for (const Case& c : cases) {
        const double trend = hotColdTrend(c.katamuki, c.e, c.E, c.P);
        EXPECT_DOUBLE_EQ(trend, c.trend);
        EXPECT_EQ(hotColdLine(trend), c.line);
    }
    EXPECT_EQ(tenthsText(359.96), " 359.9 ");
    EXPECT_EQ(tenthsText(349.75), " 349.7 ");
}

}  // namespace
}  // namespace halvane
