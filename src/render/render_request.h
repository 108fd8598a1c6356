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
};

// A mouse button released at (X, Y) twips over the drawing surface.
void Form_MouseUp(Halvane& h, RenderPorts ports, double X, double Y);

}  // namespace halvane
