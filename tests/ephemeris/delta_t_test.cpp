#include "ephemeris/delta_t.h"

#include <cmath>

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(DeltaT, ObservedValuesAndSmoothEnds)
{
    // JPL Horizons states del_T = 69.183095 s for 2018-Aug-07 07:54 TDB.
    EXPECT_NEAR(deltaTSeconds(2018.598), 69.183, 0.5);
    // The Astronomical Almanac's value for 1 January 1990: 56.86 s.
    EXPECT_NEAR(deltaTSeconds(1990.0), 56.86, 1e-9);

    // The estimate beyond the table meets it at both ends and keeps growing
    // away from the present; after 2025 it stays near today's 69 s for a
    // decade instead of leaping to the long-term parabola's 115 s of 2050.
    for (const double end : {1900.0, 2025.0}) EXPECT_NEAR(deltaTSeconds(end - 1e-7), deltaTSeconds(end), 1e-3) << end;
    EXPECT_GT(deltaTSeconds(1000), 1000);
    EXPECT_NEAR(deltaTSeconds(2035), 69.5, 0.5);
    EXPECT_NEAR(deltaTSeconds(2050), 71.2, 0.5);
    EXPECT_GT(deltaTSeconds(2100), deltaTSeconds(2050));
    EXPECT_TRUE(std::isnan(deltaTSeconds(NAN)));
}

}  // namespace
}  // namespace halvane
