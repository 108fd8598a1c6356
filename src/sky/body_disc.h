// A body's disc on the sky: the part towards the Sun lit in the body's
// colour, the rest dark, parted by one terminator, a half-ellipse whose axis
// towards the Sun is shortened by the cosine of the phase angle, so that the
// lit share of the disc is the body's illuminated fraction. The Sun's glow
// is the same disc, lit whole.
#pragma once

#include <vector>

#include "ephemeris/vector.h"
#include "surface/surface.h"

namespace halvane {

// The pen width of a disc, glow or tail of `size` twips: Int(1 + sqrt(size)
// / 1.5), held to 1..1000 pixels.
int penWidthForSize(double size);

// How many straight pieces a half turn of a circle or ellipse of `pixels`
// radius takes so that none strays from the curve by more than a quarter of
// a pixel (8 to 1024).
int arcSegments(double pixels);

// How far a disc of `radius` twips drawn with dots of `penWidth` pixels
// reaches from its centre: the radius and half a dot, twips.
double discReach(const Surface& surface, double radius, int penWidth);

// The angle at a body between the directions to the Sun and to the
// viewpoint, in [0, p0], from their positions (AU, any frame with the Sun at
// the origin): 0 when the viewpoint sees the lit side whole, p0 when it
// looks at the dark side. The lit share of the disc is (1 + cos) / 2.
double phaseAngle(const Xyz& body, const Xyz& viewpoint);

struct DiscPicture {
    double x = 0, y = 0;  // centre, twips
    double reach = 0;  // radius of the painted disc, twips
    double phase = 0;  // phaseAngle
    double sunward = 0;  // direction of the Sun on the screen, radians, y downwards
    Rgb colour;  // the lit side
};

// Fills the lit part and the dark part, each a polygon of the half outline
// and the terminator.
void drawPhaseDisc(Surface& surface, const DiscPicture& disc);

// Fills the polygon with corners at `corners` (twips) cut to the surface and
// a pixel around it, so that a shape many times the window's size is
// filled as a window-sized one.
void fillOnSurface(Surface& surface, std::vector<QPointF> corners, Rgb colour);

}  // namespace halvane
