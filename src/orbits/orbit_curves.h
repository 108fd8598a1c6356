// The orbits of the orbit views: each body's whole orbit as a dotted curve
// around the Sun, in both pictures, coloured and spaced by its depth so that
// the nearer side stands out.
#pragma once

#include "orbits/orbit_projection.h"
#include "panel/halvane.h"
#include "surface/surface.h"
#include "util/event_pump.h"
#include "util/random.h"

namespace halvane {

// Points per degree of eccentric anomaly of an orbit with semi-major axis a
// (AU) and eccentricity e at `orbitScale`: more for larger, more eccentric
// orbits and larger scales, at least one (4 when the rule gives none).
long long samplingDensity(double a, double e, double orbitScale, bool twoOrbit);

// The orbits of bodies 30 down to 1 (the Moon has none) that the "bodies
// shown" box lets through, both pictures, letting window events run before
// each body and once at the end. In 3D-orbit two points in three take a
// random colour, so that the eyes can match the pictures.
void drawOrbitCurves(const Halvane& h, const OrbitView& view, Surface& surface, EventPump& events, Random& random);

}  // namespace halvane
