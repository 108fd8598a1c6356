// The compass of the plan views: twelve dotted rays around the Sun every 30
// degrees of ecliptic longitude, shaded by how they tilt towards the viewer,
// the equinox label on the ray of the date's vernal equinox, and the three
// captions of 2-Orbit.
#pragma once

#include "orbits/orbit_projection.h"
#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// The shading sign of the rays: 1 for tilts Ka between 180 and 360 or
// between -180 and 0 degrees (all open), else -1.
int raySign(double Ka);

// The rays and the equinox label around the centre of each picture of
// 2-Orbit, or twice around the middle of 1-Orbit.
void drawDirectionRays(const Halvane& h, const OrbitView& view, Surface& surface);

// "Orbit of Inner Planets", "Orbit of Outer Planets" and the note on the
// equinox of 2000, in the current language.
void drawOrbitCaptions(const Halvane& h, Surface& surface, double ae);

}  // namespace halvane
