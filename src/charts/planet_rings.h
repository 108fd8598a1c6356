// The ring systems of Jupiter, Saturn, Uranus and Neptune: concentric
// dotted ellipses around the disc, opened and turned by the planet's fixed
// pole as seen along the line of sight. The far half of each row goes
// behind the disc, the near half in front of it.
#pragma once

#include "surface/surface.h"

namespace halvane {

bool hasRings(int body);

// How the rings show: the opening o (sine of the pole's tilt towards the
// viewer; 0 edge-on) and the turn D of their long axis on the screen.
struct RingView {
    double opening = 0;
    double turn = 0;  // radians
};

// For ringed `planet` seen along ecliptic longitude `lambda` and latitude
// `beta` (radians) from the viewpoint.
RingView ringView(int planet, double lambda, double beta);

// Saturn's rows by the disc's pen width: a few rows far apart for a small
// disc, thirty fine ones for a large one.
struct RingRows {
    double step = 1.5;  // radius factor between rows
    int count = 30;     // rows after the first
};
RingRows saturnRows(int penWidth);

// One half of every ring row of `planet` around (x, y) twips for a disc of
// `penWidth`, with pen width 1: the far half (behind the disc) or the near
// half. Saturn's gaps are left out.
void drawRingHalf(Surface& surface, int planet, double x, double y, int penWidth, const RingView& view, bool nearHalf);

}  // namespace halvane
