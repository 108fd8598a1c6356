// The moment of a pass: the panel's date, time and time lag turned into Ti,
// tropical years since 19 August 1982 0 h UT, and written back when a run
// steps the date.
#pragma once

#include "ephemeris/calendar_moment.h"
#include "panel/halvane.h"
#include "util/clock.h"

namespace halvane {

// Ye, Mo, Da, Ho, Minu := the moment's date and time.
void setDateVariables(PanelVariables& v, const CalendarMoment& moment);

// Text4 to Text8 := Ye, Mo, Da, Ho, Minu.
void dateToPanel(Halvane& h);

// The computer's local date and time into the date variables and the panel.
// In the repeat mode Now the mode goes back to `normAtPassStart`, and
// Combo4 shows it.
void clockStep(Halvane& h, const Clock& clock, int normAtPassStart);

// Writes the moment Ti back into the date variables and the panel, seconds
// dropped, so that the next pass of a run starts from it.
void sequentialStep(Halvane& h);

// Di and Ti of the pass from the date variables, the lag and the request's
// time step; the sequential step in the modes Sequential and x times; then
// the element update.
void computeTime(Halvane& h, double timeStepDays);

}  // namespace halvane
