// The ring systems of Jupiter, Saturn, Uranus and Neptune: concentric
// ellipses around the disc in the plane of the planet's equator, opened and
// turned as its pole shows from the viewpoint. Each row is a band as wide as
// the space to the next, so the rings are continuous bands with gaps; the
// far half of each row goes behind the disc, the near half in front of it.
#pragma once

#include "ephemeris/vector.h"
#include "surface/surface.h"

namespace halvane {

bool hasRings(int body);

// The planet's north pole: a unit vector in the ecliptic frame of 2000.
Xyz ringPole(int planet);

// How the rings show: the opening o, the sine of the viewpoint's latitude
// above the ring plane (positive when the north face shows, 0 edge-on), and
// the turn D of their long axis on the screen (radians, y downwards), so
// that a ring point at angle a lies at (cos a, o sin a) times its radius,
// turned by D, and the near half is 0 < a < p0.
struct RingView {
    double opening = 0;
    double turn = 0;
};

// From the sight line (viewpoint to planet), the pole, and the direction on
// the screen (radians, y downwards) in which the pole points from the
// planet's centre.
RingView ringView(const Xyz& sight, const Xyz& pole, double poleOnScreen);

// Saturn's rows by the disc's pen width: a few rows far apart for a small
// disc, thirty fine ones for a large one.
struct RingRows {
    double step = 1.5;  // radius factor between rows
    int count = 30;  // rows after the first
};
RingRows saturnRows(int penWidth);

// The greatest radius of `planet`'s rings for a disc of `penWidth`, twips.
double ringReach(int planet, int penWidth);

// One half of every ring row of `planet` around (x, y) twips for a disc of
// `penWidth`: the far half (behind the disc) or the near half. Saturn's gaps
// are left out. Rows side by side in one colour are filled as one band, a
// half ring between two ellipses.
void drawRingHalf(Surface& surface, int planet, double x, double y, int penWidth, const RingView& view, bool nearHalf);

}  // namespace halvane
