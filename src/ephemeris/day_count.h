// Calendar arithmetic of the time scale: whole days counted from day 0,
// 19 August 1982, 0 h UT (Julian Date 2445200.5), in the proleptic Gregorian
// calendar, for any year, also before year 1.
#pragma once

#include <array>

namespace halvane {

// Days before month 1..12 of a year (entry 0 unused) and, in entry 13, the
// length of that year.
using MonthStartTable = std::array<double, 14>;

// Given: a year. Returns: days before 1 January of that year, counted from
// 1 January of year 1 (0 for year 1; negative before it).
double yearStartDays(double year);

// Given: a year. Returns: 1 for a Gregorian leap year, 0 otherwise, by the
// floor formula (continuous for negative years).
double leapFlag(double year);

// Given: a year. Returns: whether leapFlag counts it a leap year.
bool isLeapYear(double year);

// Given: a year. Returns: its month start table.
MonthStartTable monthStartTable(double year);

// Given: a year, a month and a day. Returns: whether that day exists in the
// proleptic Gregorian calendar.
bool isCalendarDate(double year, int month, int day);

// Given: a local date and the month start table of its year. Returns: whole
// days from day 0 to that date.
// Notes: a month outside 1..12 counts from the nearest month, so that no
// table is read out of bounds; a day beyond the end of its month counts on
// into the next.
double dayCount(double year, double month, double day, const MonthStartTable& monthStart);

// Given: the time lag of local time from UT in hours and minutes. Returns:
// the lag in days.
// Notes: the minutes take the sign of the hours (a lag of -3 h 30 min is 3.5
// hours behind UT); with 0 hours the minutes keep their own sign.
double lagDays(double hours, double minutes);

}  // namespace halvane
