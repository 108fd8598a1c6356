// The opening screen: the program's name, the banner, the request to click
// and the help text over random stars, with a drifting light, for five
// seconds after start or until the first click.
#pragma once

#include <functional>

#include "drawing/draw_ports.h"
#include "panel/halvane.h"

namespace halvane {

// The red title with its yellow shadow, the banner, the hint at the English
// version (Japanese panel only), the request line (line 21 while the medley
// is chosen) and help lines 2 to 19.
void drawTitle(const Halvane& h, Surface& surface);

// Draws the title, runs `loadCatalogue`, fills and paints the background
// stars and animates them until a request starts (pz), the help button is
// pressed (t99) or five seconds pass; only the last repaints the stars and
// the title.
void openingScreen(const Halvane& h, DrawPorts ports, const std::function<void()>& loadCatalogue);

}  // namespace halvane
