// The sky above a place as a round chart: the zenith at the centre, the
// horizon a circle, north up and east to the left; the stars to the naked
// eye's limit in their colours, the constellation lines and names, the Sun,
// the Moon with its phase and the planets where the place sees them, the
// cardinal points, and the place and moment in the top left corner.
#pragma once

#include <string>

#include "ephemeris/observer.h"
#include "panel/halvane.h"
#include "sky/horizon_projection.h"
#include "surface/surface.h"

namespace halvane {

// What the request loop hands the chart: the place's sky at the moment and
// the two lines of the corner.
struct HorizonScene {
    ObserverSky sky;
    std::string placeLine, momentLine;
    int starTint = 3;  // the colour setting the stars are tinted by, 1 to 4
};

// The chart's circle on a surface: centred, 46 % of the shorter side.
HorizonProjection horizonProjectionFor(const Surface& surface);

// Given: the form after its positions are computed with the Earth as
// viewpoint (heliocentric positions in the catalogue's ecliptic frame, AU)
// and body `i`. Returns: the body's altitude and azimuth at the place,
// topocentric (the observer's offset from the Earth's centre taken off).
HorizontalAngles bodyHorizontal(const Halvane& h, const HorizonScene& scene, int i);

// Draws the chart over the whole surface, which is cleared first.
void drawHorizonChart(const Halvane& h, const HorizonScene& scene, Surface& surface);

}  // namespace halvane
