// Calendar arithmetic of the time model: days are counted from day 0,
// 19 August 1982 0 h UT (Julian Date 2445200.5).
#pragma once

#include <array>

namespace halvane {

// Days from 1 January of year 1 to day 0.
inline constexpr double dayZero = 723775;

// Days before month 1..12 of a year (entry 0 unused) and, in entry 13, the
// length of that year.
using MonthStartTable = std::array<double, 14>;

// Days before 1 January of `year`, counted from 1 January of year 1
// (proleptic Gregorian calendar).
double yearStartDays(double year);

// 1 for a Gregorian leap year, 0 otherwise, by the floor formula.
double leapFlag(double year);

MonthStartTable monthStartTable(double year);

// Whole days from day 0 to the given date. `month` outside 1..12 counts
// from the nearest month so that no table is read out of bounds; a day
// beyond the end of its month counts on into the next.
double dayCount(double year, double month, double day, const MonthStartTable& monthStart);

// The time lag from Universal Time in days: `hours` plus `minutes`, the
// minutes taking the sign of the hours (a lag of -3 h 30 min is 3.5 hours
// behind); with 0 hours the minutes keep their own sign.
double lagDays(double hours, double minutes);

}  // namespace halvane
