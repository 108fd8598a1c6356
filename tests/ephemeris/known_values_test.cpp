// One known value for each function of the astronomy that has no test of
// its own here: the function, what it is given and what it must return.
// The elements of date are checked at the epochs their constants name.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ephemeris/angles.h"
#include "ephemeris/calendar_moment.h"
#include "ephemeris/day_count.h"
#include "ephemeris/elements_of_date.h"
#include "ephemeris/moment.h"
#include "ephemeris/moon.h"
#include "ephemeris/precise_positions.h"

namespace halvane {
namespace {

// The moment of a UT date and hour, in tropical years since day 0.
double utMoment(double year, double month, double day, double hour)
{
    return momentYears(dayCount(year, month, day, monthStartTable(year)), hour, 0, 0, 0);
}

TEST(KnownValues, EachFunctionReturnsItsKnownValue)
{
    struct Known {
        const char* function;
        double returned, expected, tolerance;
    };
    const double J2000 = utMoment(2000, 1, 1, 12);
    constexpr double pi = std::numbers::pi;
    const Known table[] = {
        // The arctangent is exact; the half and whole turns added are the
        // program's p0.
        {"arctanOfQuotient", arctanOfQuotient(1, 0), pi / 2, 1e-15},
        {"directionAngle", directionAngle(-1, -1), p0 + pi / 4, 1e-15},
        {"longitudeOfDirection", longitudeOfDirection(1, -1), 2 * p0 - pi / 4, 1e-15},
        {"latitudeOfDirection", latitudeOfDirection(1, 1, std::sqrt(2.0)), pi / 4, 1e-15},
        {"wrapOnceIntoTurn", wrapOnceIntoTurn(-0.5), 2 * p0 - 0.5, 1e-15},
        {"wrapOnceIntoHalfTurns", wrapOnceIntoHalfTurns(4), 4 - 2 * p0, 1e-15},
        {"normalisedDeg", normalisedDeg(-30), 330, 1e-12},
        {"momentYears", momentYears(dayCount(2000, 1, 1, monthStartTable(2000)), 0, 0, lagDays(9, 0), 0), 17.36827,
         1e-5},
        {"localDaysOfMoment", localDaysOfMoment(J2000, 0), yearStartDays(2000) + 0.5, 1e-6},
        // Half a second short of a whole minute is that minute.
        {"wholeMinutes", wholeMinutes(10.5 - 0.4 / 86400), 10.5 * 1440, 0},
        {"mercuryNodeDeg", mercuryNodeDeg(utMoment(2003, 10, 25, 10)), 48.327, 1e-6},
        {"mercuryPerihelionDeg", mercuryPerihelionDeg(utMoment(2003, 10, 25, 10)), 77.462, 1e-6},
        {"vernalEquinoxDeg", vernalEquinoxDeg(0), 0.2448, 1e-12},
        {"earthPerihelionDeg", earthPerihelionDeg(utMoment(2002, 12, 24, 0)), 102.971, 1e-4},
        {"earthEccentricity", earthEccentricity(38), 0.0167, 1e-4},
        {"moonNodeDeg", moonNodeDeg(J2000), 129.603534, 1e-6},
        {"moonPerigeeDeg", moonPerigeeDeg(J2000), 82.556902, 1e-6},
        {"moonEccentricityOfDate", moonEccentricityOfDate(utMoment(2003, 11, 23, 23)), moonEccentricity + 0.011, 1e-9},
        {"moonLongitudeCorrectionDeg", moonLongitudeCorrectionDeg(J2000), -0.364336, 1e-6},
    };
    for (const Known& k : table) EXPECT_NEAR(k.returned, k.expected, k.tolerance) << k.function;
}

TEST(KnownValues, CalendarMomentOfJ2000)
{
    MonthStartTable monthStart{};
    const CalendarMoment c = calendarMoment(localDaysOfMoment(utMoment(2000, 1, 1, 12), 0), monthStart);
    EXPECT_EQ(c.year, 2000);
    EXPECT_EQ(c.month, 1);
    EXPECT_EQ(c.day, 1);
    EXPECT_EQ(c.hour, 12);
    EXPECT_EQ(c.minute, 0);
    EXPECT_EQ(monthStart[13], 366);
}

TEST(KnownValues, ThePreciseModelByNameAndSpan)
{
    EXPECT_EQ(positionModelNamed("precise"), PositionModel::Precise);
    EXPECT_EQ(positionModelNamed("builtin"), PositionModel::Builtin);
    EXPECT_EQ(positionModelNamed("Precise"), std::nullopt);
    EXPECT_TRUE(preciseModelCovers(utMoment(2000, 1, 1, 0)));
    EXPECT_FALSE(preciseModelCovers(utMoment(3500, 1, 1, 0)));
    EXPECT_FALSE(preciseModelCovers(utMoment(900, 1, 1, 0)));
}

}  // namespace
}  // namespace halvane
