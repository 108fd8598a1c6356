// A body's disc on the sky: rings of wide dots, the half towards the Sun lit
// in the body's colour, the other half dark, and a half-ellipse that cuts a
// crescent or fills a gibbous disc as the phase asks. The Sun's glow is made
// of the same rings.
#pragma once

#include "surface/surface.h"

namespace halvane {

// The pen width of a disc, glow or tail of `size` twips: Int(1 + sqrt(size)
// / 1.5), held to 1..1000 pixels.
int penWidthForSize(double size);

// Dots of the current pen width at radius `radius` x k / 20 for k from 20
// down to 1 and at angles start + j x p0 / 40 for j = 1 to `dots`, around
// (x, y) twips, in a frame turned by `axis` (radians on the screen, y
// downwards) whose first axis is shortened by `squeeze`.
void dotRings(Surface& surface, double x, double y, double radius, double axis, double squeeze, double start, int dots,
              Rgb colour);

// The angle at a body between the Sun and the viewpoint, in (-p0, p0], from
// the x and y coordinates (AU) of the body and the viewpoint: 0 when the
// viewpoint sees the lit side whole, p0 when it looks at the dark side.
double phaseAngle(double bodyX, double bodyY, double viewX, double viewY);

struct DiscPicture {
    double x = 0, y = 0;   // centre, twips
    double radius = 0;     // twips
    double phase = 0;      // phaseAngle
    double sunward = 0;    // direction of the Sun on the screen, radians, y downwards
    Rgb colour;            // the lit side
};

// The lit half, the dark half (in the order the phase asks) and the
// terminator, with the surface's current pen width.
void drawPhaseDisc(Surface& surface, const DiscPicture& disc);

}  // namespace halvane
