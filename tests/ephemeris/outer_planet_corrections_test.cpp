// The corrections to VSOP87's Uranus and Neptune: those two bodies only,
// and held where the fit has no data.
#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/body_index.h"
#include "ephemeris/outer_planet_corrections.h"

namespace halvane {
namespace {

using namespace body;

TEST(OuterPlanetCorrections, OnlyUranusAndNeptuneAndBoundedOutsideTheFittedYears)
{
    constexpr double year1000 = 2086307.5, year1800 = 2378496.5, year1950 = 2433282.5;
    constexpr double year2200 = 2524593.5, year4000 = 3182029.5;
    constexpr double arcsecond = 3.14159265358979323846 / 180 / 3600;
    for (int i = Sun; i <= Moon; ++i) {
        const HeliocentricCorrection c = outerPlanetCorrection(year1950, i);
        const bool corrected = i == Uranus || i == Neptune;
        EXPECT_EQ(c.longitude != 0 && c.latitude != 0 && c.distance != 0, corrected) << "body " << i;
        if (!corrected) continue;
        // Before and after the fitted years the correction stays what it is
        // at their ends: the same for every date on one side, and small.
        const HeliocentricCorrection early = outerPlanetCorrection(year1000, i),
                                     late = outerPlanetCorrection(year4000, i);
        const HeliocentricCorrection justBefore = outerPlanetCorrection(year1800, i);
        const HeliocentricCorrection justAfter = outerPlanetCorrection(year2200, i);
        EXPECT_EQ(early.longitude, justBefore.longitude);
        EXPECT_EQ(early.distance, justBefore.distance);
        EXPECT_EQ(late.longitude, justAfter.longitude);
        EXPECT_EQ(late.latitude, justAfter.latitude);
        for (const HeliocentricCorrection& held : {early, late}) {
            EXPECT_LT(std::fabs(held.longitude), 3 * arcsecond) << "body " << i;
            EXPECT_LT(std::fabs(held.latitude), 0.2 * arcsecond) << "body " << i;
            EXPECT_LT(std::fabs(held.distance), 1e-4) << "body " << i;
        }
    }
}

}  // namespace
}  // namespace halvane
