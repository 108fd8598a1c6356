// After a sky view the bright stars twinkle and, when neither names nor
// constellation lines are shown, a small light drifts across the sky, for
// five seconds or until a stop flag is set.
#pragma once

#include <array>

#include "animation/sky_animation.h"
#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "sky/star_plotting.h"

namespace halvane {

// The six rows switched on in the cycle that switches `twinkleRow` off:
// 20, 40, ... 120 rows further, continuing from row 101 past row 1999.
std::array<int, 6> rowsSwitchedOn(int twinkleRow);

// Runs the animation on the chart `screen` describes. Ends at once when
// t99 is set (also from a handler that runs between frames); after five
// seconds it repaints the bright stars, with starLimit kept as it was, and
// returns true.
bool idleAnimation(const Halvane& h, const SkyScreen& screen, StarPlotting& plotting, DrawPorts ports);

}  // namespace halvane
