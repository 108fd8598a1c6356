// The three orbit views (1-Orbit, 2-Orbit, 3D-orbit): the limit on the
// magnification, the clearing of runs, the backgrounds of constellation
// lines and stars, then the orbits and the bodies.
#pragma once

#include "panel/halvane.h"
#include "panel/request_state.h"
#include "starfield/draw_ports.h"
#include "starfield/star_plotting.h"

namespace halvane {

// One pass of an orbit view. At magnification 10,000 or more it only asks,
// in the current language, for a lower one. A Sequential run keeps its
// first pass's orbits as the background of the later passes' bodies; an
// At Random run pauses on each picture.
void drawOrbitView(Halvane& h, RequestState& r, StarPlotting& plotting, DrawPorts ports);

}  // namespace halvane
