// Each pass clears the window as its modes ask and lays down the layers of
// the chosen display in order.
#pragma once

#include "drawing/draw_ports.h"
#include "panel/halvane.h"
#include "panel/pass_number_marks.h"
#include "panel/request_state.h"
#include "sky/star_plotting.h"

namespace halvane {

// The chart a pass draws: that of the display mode, a sky view for any value
// that names no other.
enum class PassChart { Sky, Zodiac, Orbit };
PassChart passChartOf(const PanelVariables& v);

// The fast sky case: a Single or At Random sky view at high precision with
// stars skips the clearing rules.
bool fastSkyPass(const PanelVariables& v);

// What changed since the head of the pass: the display mode, the repeat
// mode, or the names option away from names only. Outside the fast sky case
// each restarts the request's count of passes.
struct ModeChanges {
    bool display = false, repeat = false, leftNamesOnly = false;
    bool any() const { return display || repeat || leftNamesOnly; }
};
ModeChanges modeChangesOf(const PanelVariables& v, const RequestState& request);

// Draws the pass from the form and the request as the request loop has
// settled them for it (the view-centred angles, the tail ends, the counters).
// `plotting` carries the star routines' working values through the request;
// the overlay mode's pass numbers that a sky chart prints are added to
// `passNumbers`.
void drawPass(const Halvane& h, const RequestState& request, StarPlotting& plotting, PassNumberMarks& passNumbers,
              DrawPorts ports);

}  // namespace halvane
