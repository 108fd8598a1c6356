#include "ephemeris/elements_of_date.h"

#include <gtest/gtest.h>

#include "ephemeris/reference_points.h"
#include "render/sky_at.h"
#include "render/time_model.h"

namespace halvane {
namespace {

using testing::formWithTables;

TEST(ElementUpdate, VernalEquinoxOnTheFirstOfJanuary2000StaysAbove360)
{
    auto h = formWithTables();
    auto& v = h->vars;
    setDateVariables(v, {2000, 1, 1, 0, 0});
    v.Dho = 9;
    v.Dmi = 0;
    computeTime(*h, 0);
    earthViewStep(h->sky, h->time.Ti);
    EXPECT_NEAR(h->time.Ti, 17.368, 0.001);
    EXPECT_NEAR(h->bodies.nodeLongitude[body::Earth], 360.003, 0.001);
    EXPECT_GT(h->sky.longitudeDegrees[body::VernalEquinox], 360);
    EXPECT_NEAR(h->sky.longitudeDegrees[body::VernalEquinox], 360.003, 0.001);
}

TEST(ElementUpdate, EarthsEccentricityIn2020)
{
    EXPECT_NEAR(earthEccentricity(38), 0.0167, 0.0001);
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
