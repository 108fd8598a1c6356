// A form state with the built-in body tables, its positions computed for a
// moment given in Universal Time.
#pragma once

#include <memory>
#include <string>

#include "ephemeris/calendar_moment.h"
#include "panel/halvane.h"

namespace halvane::testing {

using UtMoment = CalendarMoment;

// The built-in tables, plus the comet and asteroid files from `dataFolder`
// when one is given.
std::unique_ptr<Halvane> formWithTables(const std::string& dataFolder = {});

// Sets the panel's date to `moment` with lag 0 and runs the time computation,
// the position computation from `view` and, for the Earth, the Earth-view
// step.
void computeSky(Halvane& h, UtMoment moment, int view);

std::unique_ptr<Halvane> skyAt(UtMoment moment, int view);

// a - b brought into (-180, 180].
double degreesApart(double a, double b);

}  // namespace halvane::testing
