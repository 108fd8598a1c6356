// The moment of a pass, Ti: tropical years (taiyounenniti days) since day 0,
// 19 August 1982, 0 h UT.
#pragma once

namespace halvane {

// Given: whole days from day 0 to the local date, the local hour and minute,
// the lag of local time from UT (days) and a time step (days). Returns: the
// moment in tropical years since day 0, UT, moved on by the time step.
double momentYears(double dayNumber, double hours, double minutes, double lagDays, double timeStepDays);

// Given: a moment Ti (tropical years since day 0, UT) and the lag of local
// time from UT (days). Returns: local days since 1 January of year 1, the
// time of day as fraction.
double localDaysOfMoment(double Ti, double lagDays);

}  // namespace halvane
