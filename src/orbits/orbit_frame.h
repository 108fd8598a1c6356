// The three orbit views (1-Orbit, 2-Orbit, 3D-orbit): the limit on the
// magnification, the clearing of runs, the backgrounds of constellation
// lines and stars, then the orbits and the bodies.
#pragma once

#include "drawing/draw_ports.h"
#include "panel/halvane.h"
#include "panel/request_state.h"
#include "sky/sky_screen.h"
#include "sky/star_plotting.h"

namespace halvane {

// Whether the view is drawn: below magnification 10,000.
bool orbitViewDrawn(const PanelVariables& v);

// Whether stars lie behind the orbits: with names, except in 3D-orbit.
bool orbitViewShowsStars(const PanelVariables& v);

// The chart of the stars and constellation lines behind the orbits, at
// magnification 20 whatever the view's.
SkyScreen orbitBackground(double ae, double bb);

// The number of the pass as the view counts it: a pass that follows a
// change of mode (counter 0) is the first.
int orbitPassNumber(int passCounter);

// One pass of an orbit view, on the tables the pass has prepared (the tail
// ends; the background's view-centred angles). At magnification 10,000 or
// more it only asks, in the current language, for a lower one. A Sequential
// run keeps its first pass's orbits as the background of the later passes'
// bodies; an At Random run pauses on each picture.
void drawOrbitView(const Halvane& h, const RequestState& r, StarPlotting& plotting, DrawPorts ports);

}  // namespace halvane
