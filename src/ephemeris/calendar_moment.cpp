#include "ephemeris/calendar_moment.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

namespace {

constexpr double halfSecondInMinutes = 1.0 / 120;

// The year estimate drifts from the calendar by about a day every 3300
// years, so it may need many one-year corrections far from the present; at
// magnitudes where one year no longer changes the day count it would never
// settle, and the search stops.
constexpr int maxYearRounds = 1'000'000;

// The year holding whole day `days`, searched from the estimate by whole
// years.
double yearOfDay(double days, double estimate)
{
    double year = estimate;
    for (int round = 0; round < maxYearRounds; ++round) {
        const double g = days - yearStartDays(year);
        if (g >= 365 + leapFlag(year))
            year += 1;
        else if (g < 0)
            year -= 1;
        else
            break;
    }
    return year;
}

}  // namespace

double wholeMinutes(double localDays)
{
    const double minutes = localDays * 1440;
    const double nearest = std::round(minutes);
    return std::abs(minutes - nearest) < halfSecondInMinutes ? nearest : Int(minutes);
}

CalendarMoment calendarMoment(double localDays, MonthStartTable& monthStart)
{
    const double minutes = wholeMinutes(localDays);
    const double days = Int(minutes / 1440);
    const double minuteOfDay = minutes - 1440 * days;

    CalendarMoment moment;
    moment.year = yearOfDay(days, Int(1 + localDays / taiyounenniti));
    monthStart = monthStartTable(moment.year);
    const double yearLength = monthStart[13];
    const double g = std::clamp(days - yearStartDays(moment.year), 0.0, yearLength - 1);

    int month = 1;
    while (month < 12 && monthStart[static_cast<size_t>(month + 1)] <= g) ++month;
    moment.month = month;
    moment.day = g + 1 - monthStart[static_cast<size_t>(month)];
    moment.hour = Int(minuteOfDay / 60);
    moment.minute = minuteOfDay - 60 * moment.hour;
    return moment;
}

}  // namespace halvane
