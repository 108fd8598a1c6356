// From a count of local days back to the calendar date and time of day.
#pragma once

#include "render/day_count.h"

namespace halvane {

struct CalendarMoment {
    double year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// `localDays` (days since 1 January of year 1) in whole minutes. A value
// within half a second of a whole minute is that minute: a moment that went
// through tropical years and back lands a hair beside it. Any other value
// drops its seconds.
double wholeMinutes(double localDays);

// The date and time of `localDays` with the seconds dropped as above. The
// month start table is left built for the year found.
CalendarMoment calendarMoment(double localDays, MonthStartTable& monthStart);

}  // namespace halvane
