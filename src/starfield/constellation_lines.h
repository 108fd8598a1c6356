// The stick figures of the constellations: each segment of the line table
// (both ends turned around the aim point by the pass, like the stars) that
// touches the window and does not wrap around the sky.
#pragma once

#include "panel/halvane.h"
#include "starfield/sky_screen.h"
#include "surface/surface.h"

namespace halvane {

// Draws each of line rows 1 to 730 by the view-centred angles of its ends
// (columns 4 + end and 6 + end) when an end lies strictly inside the window
// and the horizontal span is below b3 x ae / 10, pen width 1, in
// RGB(20, 20, 80) x con ("Dark Line" 1, "Bright Line" 2).
void drawConstellationLines(const Halvane& h, Surface& surface, const SkyScreen& screen);

}  // namespace halvane
