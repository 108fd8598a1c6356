// Names on the sky views: constellations and bright stars, then the bodies
// and the reference points, sized by the magnification and, for a body, by
// how much nearer it is to the observer than to the Sun.
#pragma once

#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "surface/surface.h"

namespace halvane {

// The base label size in points at magnification b3: 8 below 12, 9 from 12,
// 10 from 20, 11 from 30, 12 from 40 and 13 above 100.
double labelFontSize(double b3);

// Points added to a body's label at `d` AU from the observer and `r` from
// the Sun: 4 when d < r - 0.5, 3 when d < r - 0.2, 2 when d < r, 1 when
// d < r + 0.2, else 0.
int labelSizeStep(double d, double r);

// Whether body or reference point `i` gets a name: not the viewpoint, not a
// tail end or the fixed point, reference points only from the Earth, and
// only the classes the bodies box (`orbit`) shows. The chart test is apart.
bool namedBody(const Halvane& h, int i);

// The constellation and star names (rows 1 to 117 of the named-star table,
// turned around the aim point here and not kept), then the body and
// reference-point names; in the overlay mode each body name is followed by
// the pass number.
void drawSkyLabels(const Halvane& h, Surface& surface, const SkyScreen& screen, int passCounter);

}  // namespace halvane
