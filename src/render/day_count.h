// Calendar arithmetic of the time model: days are counted from day 0,
// 19 August 1982 0 h UT (Julian Date 2445200.5).
#pragma once

#include <array>

namespace halvane {

// Days before 1 January of `year`, counted from 1 January of year 1
// (proleptic Gregorian calendar).
double yearStartDays(double year);

// 1 for a Gregorian leap year, 0 otherwise, by the floor formula.
double leapFlag(double year);

// Days before month 1..12 of `year` (entry 0 unused).
std::array<double, 13> monthStartTable(double year);

// Whole days from day 0 to the given date. `month` outside 1..12 counts
// from the nearest month so that no table is read out of bounds.
double dayCount(double year, double month, double day, const std::array<double, 13>& monthStart);

// The time lag from Universal Time in days: `hours` plus `minutes`, the
// minutes taking the sign of the hours (a lag of -3 h 30 min is 3.5 hours
// behind); with 0 hours the minutes keep their own sign.
double lagDays(double hours, double minutes);

}  // namespace halvane
