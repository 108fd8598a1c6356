// Each pass clears the window as its modes ask and lays down the layers of
// the chosen display in order.
#pragma once

#include "panel/halvane.h"
#include "panel/request_state.h"
#include "starfield/draw_ports.h"
#include "starfield/star_plotting.h"

namespace halvane {

// `plotting` carries the star routines' working values through the request.
void drawPass(Halvane& h, RequestState& request, StarPlotting& plotting, DrawPorts ports);

}  // namespace halvane
