// The zodiac chart: the bodies on rings at their ecliptic longitude as seen
// from the viewpoint, the signs, the equinox of the date, the list of every
// body, the hot/cold trend, the geological age and the caption. Drawn over
// what the window shows; longitudes count from the vernal equinox of 2000.
#pragma once

#include <optional>
#include <string>

#include "panel/halvane.h"
#include "panel/request_state.h"
#include "surface/surface.h"
#include "util/event_pump.h"

namespace halvane {

// Radius of the ring body `i` is drawn on with the bodies-shown option
// `orbit`: planets, Sun and Moon 3800, comets 2200 (not with orbit 1 or 3),
// asteroids 3000 (not with orbit 1 or 2); nothing for any other index.
std::optional<double> ringRadius(int i, int orbit);

// Whether body `i` appears on the chart at all: not the viewpoint, not the
// Moon unless seen from the Earth, not an empty comet or asteroid slot.
bool onZodiacChart(const Halvane& h, int i);

// A longitude rounded down to tenths and printed: " 359.9 " for 359.96.
std::string tenthsText(double longitudeDeg);

// Where the chart marks the equinox of the date, degrees: entry 91 of the
// longitudes brought once towards 0 to 360 (-10.25 gives 349.75).
double equinoxMarkerDeg(const Halvane& h);

// The hot/cold trend of the displayed date: the Earth's orbit and the
// obliquity of the date, with the equinox longitude last marked in `request`.
double zodiacHotColdTrend(const Halvane& h, const RequestState& request);

// Draws the chart; lets window events run twice. The hot/cold trend reads
// the equinox longitude the request last marked (0 until a marker is drawn;
// a pass from the Earth notes its own before the chart is drawn). Leaves the
// font at 12 points and the caption's colour in force.
void drawZodiacChart(const Halvane& h, const RequestState& request, Surface& surface, EventPump& events);

}  // namespace halvane
