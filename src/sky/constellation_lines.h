// The stick figures of the constellations: each segment of the line table
// (both ends turned around the aim point by the pass, like the stars) that
// touches the window; a segment over the seam behind the viewer is drawn as
// its two parts at either side of the chart.
#pragma once

#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "surface/surface.h"

namespace halvane {

// Draws each of line rows 1 to 730 by the view-centred angles of its ends
// (columns 4 + end and 6 + end) when an end lies strictly inside the window,
// pen width 1, in RGB(20, 20, 80) x con ("Dark Line" 1, "Bright Line" 2).
// A straight line on the chart stands for the short arc between the ends;
// where that arc passes behind the viewer it is cut at the seam
// (u = +-p0), so that no line is longer on the chart than its arc.
void drawConstellationLines(const Halvane& h, Surface& surface, const SkyScreen& screen);

}  // namespace halvane
