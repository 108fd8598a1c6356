// A comet's tail: a straight line from the comet away from the Sun, longer
// for a comet near the Sun with a large brightness exponent.
#pragma once

#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "surface/surface.h"

namespace halvane {

// The tail length as a fraction of the comet's distance from the Sun:
// (0.2 n^2 / 9) / (0.7 r + 0.3) for exponent n at r AU from the Sun; 0 (no
// tail) beyond 4 AU or below 0.01.
double tailFactor(double exponent, double r);

// For comet `i` (11 to 20) at `d` AU from the viewpoint and `r` from the
// Sun: draws the tail in RGB(50, 50, 60) from the tail end, pseudo-body
// i + 20, whose view-centred angles the pass has worked out (placed at a
// magnification of at most 1000), to the comet. Nothing is drawn without a
// tail.
void drawCometTail(const Halvane& h, Surface& surface, const SkyScreen& screen, int i, double d, double r);

}  // namespace halvane
