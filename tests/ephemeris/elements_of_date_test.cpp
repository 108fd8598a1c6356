#include "ephemeris/elements_of_date.h"

#include <gtest/gtest.h>

#include "ephemeris/day_count.h"
#include "ephemeris/moment.h"
#include "ephemeris/reference_points.h"

namespace halvane {
namespace {

TEST(ElementUpdate, VernalEquinoxOnTheFirstOfJanuary2000StaysAbove360)
{
    // 1 January 2000, 0 h local time nine hours ahead of UT.
    const double Ti = momentYears(dayCount(2000, 1, 1, monthStartTable(2000)), 0, 0, lagDays(9, 0), 0);
    SkyPositions sky;
    earthViewStep(sky, Ti);
    EXPECT_NEAR(Ti, 17.368, 0.001);
    EXPECT_NEAR(vernalEquinoxDeg(Ti), 360.003, 0.001);
    EXPECT_GT(sky.longitudeDegrees[body::VernalEquinox], 360);
    EXPECT_NEAR(sky.longitudeDegrees[body::VernalEquinox], 360.003, 0.001);
}

TEST(ElementUpdate, CometPerihelionBeforeAndAfterDayZero)
{
    MonthStartTable table{};
    EXPECT_EQ(cometPerihelionTimeYears(1982, 8, 19, table), 0);
    EXPECT_DOUBLE_EQ(cometPerihelionTimeYears(1983, 8, 19, table), -365 / taiyounenniti);
    EXPECT_DOUBLE_EQ(cometPerihelionTimeYears(1982, 8, 18, table), 1 / taiyounenniti);
    EXPECT_EQ(table[13], 365);
}

}  // namespace
}  // namespace halvane
