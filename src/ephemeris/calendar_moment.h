// From a count of local days back to the calendar date and time of day.
#pragma once

#include "ephemeris/day_count.h"

namespace halvane {

struct CalendarMoment {
    double year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// Given: local days since 1 January of year 1, with the time of day as
// fraction. Returns: the same moment in whole minutes.
// Notes: a value within half a second of a whole minute is that minute (a
// moment that went through tropical years and back lands a hair beside
// it); any other value drops its seconds.
double wholeMinutes(double localDays);

// Given: local days since 1 January of year 1. Returns: the calendar date and
// time of day, seconds dropped as above; the month start table is left built
// for the year found.
CalendarMoment calendarMoment(double localDays, MonthStartTable& monthStart);

}  // namespace halvane
