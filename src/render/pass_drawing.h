// The drawing step of a pass: what the chart reads written into the form and
// the request first (the orbit views' turn and tilt, the count restarted by
// a change of mode, the flags, the view-centred angles and tail ends), then
// the chart drawn from them, then the request's counters as the orbit views
// leave them.
#pragma once

#include "drawing/draw_ports.h"
#include "panel/halvane.h"
#include "panel/request_state.h"
#include "sky/star_plotting.h"

namespace halvane {

void drawPassChart(Halvane& h, RequestState& request, StarPlotting& plotting, DrawPorts ports);

// What each chart needs written before it is drawn.
// Zodiac: the idle animation stopped, and from the Earth the equinox
// longitude the chart marks kept for the hot/cold trend.
void prepareZodiacChart(Halvane& h, RequestState& request);
// Orbit views drawn at their magnification: the idle animation stopped, the
// working magnification, the background's line ends and stars around the
// aim point, the tail ends.
void prepareOrbitView(Halvane& h, RequestState& request, StarPlotting& plotting);
// Sky views: the stars (unless names only), the bodies and the line ends
// around the aim point; with stars also the overlay mode's printed pass
// numbers forgotten on the first pass of a run, whether the view moved since
// the last sky pass, and the tail ends.
void prepareSkyView(Halvane& h, RequestState& request, StarPlotting& plotting);

}  // namespace halvane
