// The render request: a click on the drawing surface runs passes, each one
// complete drawing for one moment, until its repeat mode says it is done.
#pragma once

#include "panel/halvane.h"
#include "surface/surface.h"
#include "util/clock.h"
#include "util/event_pump.h"
#include "util/random.h"

namespace halvane {

struct RenderPorts {
    Surface& surface;
    Clock& clock;
    Random& random;
    EventPump& events;
    // The least time a pass of a run takes: the window sleeps in the event
    // wait for what is left, so that a run looks the same on any machine.
    // 0 (a drawing into a file) runs the passes back to back.
    double leastPassSeconds = 0;
};

// A mouse button released at (X, Y) twips over the drawing surface.
void Form_MouseUp(Halvane& h, RenderPorts ports, double X, double Y);

}  // namespace halvane
