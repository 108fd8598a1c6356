// The end of every pass: the aim point's texts in hours-minutes-seconds and
// degrees-minutes-seconds, whether the idle animation follows, and the
// decision whether the request draws another pass. The request loop writes
// the texts into the panel.
#pragma once

#include <string>

#include "panel/halvane.h"
#include "panel/request_state.h"

namespace halvane {

// "5h34m31s" for 83.63 degrees.
std::string hoursMinutesSeconds(double degrees);

// "+22°0′52″" for 22.0145 degrees; 0 shows "-0°0′0″".
std::string degreesMinutesSeconds(double degrees);

// Whether the idle animation follows this pass: not while a run will draw
// further passes, not when it was told to stop.
bool idleAnimationDue(const Halvane& h, const RequestState& request);

// True when the request draws another pass.
bool anotherPass(const Halvane& h);

}  // namespace halvane
