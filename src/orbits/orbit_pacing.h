// The pause after an orbit view in a random run, so that each picture can be
// looked at: 12 seconds for a stereo pair, 5 for the other orbit views.
#pragma once

#include "util/clock.h"
#include "util/event_pump.h"

namespace halvane {

// Seconds the picture stays: only At Random runs pause.
double orbitPause(int selec, int norm);

// Lets window events run for the pause (at least once), sleeping while none
// come, then once more. A click in the pause runs a whole request inside
// this one.
void paceOrbitView(int selec, int norm, EventPump& events, const Clock& clock);

}  // namespace halvane
