// The Sun, the planets, the Moon, comets and asteroids over the stars of a
// sky view: the Sun's glow, small bodies as stars of their brightness, large
// ones as discs with their phase and rings, comets with tails, and in the
// overlay mode the pass number beside each body.
#pragma once

#include "panel/halvane.h"
#include "panel/pass_number_marks.h"
#include "sky/sky_screen.h"
#include "sky/star_plotting.h"
#include "surface/surface.h"

namespace halvane {

// The Sun's glow seen from `d` AU (0.0005 when 0) at magnification b3: a
// disc of `radius` twips (at most 10000) drawn with dots of `penWidth`.
struct SunGlow {
    double radius = 0;
    int penWidth = 1;
};
SunGlow sunGlow(double b3, double d);

// How bright body `i` shows from `d` AU: (display scale x 50 / 4) x
// sqrt(b3 / 20 / d) x 2.5^gra; 0 at d = 0.
double bodyBrightness(const Halvane& h, int i, double b3, double d);

// The radius of body `i`'s disc in twips seen from `d` AU at magnification
// b3: (display scale / 4) x sqrt(b3 / 20 / d), for the Moon halved and
// divided by the square root of r10, so that seen from the Earth it falls
// with the distance as the real Moon's does.
double discRadius(const Halvane& h, int i, double b3, double d);

// How far from its place what the sky bodies draw for body or reference
// point `i` reaches, twips: the Sun's glow, a disc, a ringed planet's rings;
// 0 for a star-like body, a reference point or what is not drawn.
double bodyReach(const Halvane& h, const Surface& surface, const SkyScreen& screen, int i);

// Draws the glow, then bodies 30 down to 1 (not the viewpoint, not empty
// slots, not off the chart), then in the overlay mode the pass number at
// the Sun and circles at the reference points. In the overlay mode a pass
// number is printed only where it lands on none printed before for the same
// body (kept in `marks`). Leaves in plotting.starLevel the brightness (0 to
// 256) of the body drawn last.
void drawSkyBodies(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting, int passCounter,
                   PassNumberMarks& marks);

// The overlay mode's circle around the reference point at (x, y) twips.
void drawReferenceCircle(Surface& surface, double x, double y);

}  // namespace halvane
