// The orbit views look at the solar system from outside. One rotation takes
// a heliocentric ecliptic point into a picture: a turn about the ecliptic
// pole by the panel's turn, a tilt by its tilt, and the small turn that sets
// the two pictures of a stereo pair apart. The orbit curves, the comet tails
// and the bodies all go through it.
#pragma once

#include "ephemeris/vector.h"
#include "panel/halvane.h"

namespace halvane {

// The view of one pass, the same for both pictures.
struct OrbitView {
    int selec = display::OneOrbit;
    double ae = 0, bb = 0;  // drawing area, twips
    double orbitScale = 0;  // 200 / b3: picture units per AU (the 2-Orbit pictures have their own)
    double stereoShift = 0;  // twips: 2400 x d3dd in 3D-orbit, ae / 2 in 2-Orbit, 0 in 1-Orbit
    double stereoAngle = 0;  // degrees: 2 x d3dd00 in 3D-orbit, else 0
    double viewTurn = 0;  // (90 - kaiten) degrees, in radians
    double turnCos = 1, turnSin = 0;  // of viewTurn
    double viewTiltCos = 1, viewTiltSin = 0;  // of (-Ka - 90) degrees
    int labelSize = 12;  // base font size of the labels

    bool twoPictures() const { return selec != display::OneOrbit; }
};

// The view of a pass from the panel's turn kaiten, tilt Ka, stereo width
// d3dd and degree d3dd00, and the working magnification b3.
OrbitView orbitViewOf(const PanelVariables& v, double ae, double bb, double b3);

// One picture of the view: 1 the left, 2 the right (1-Orbit has picture 1
// only, centred).
struct OrbitPicture {
    double shift = 0;  // pictureShift, twips: -stereoShift left, +stereoShift right
    double cos = 1, sin = 0;  // of pictureAngle: -stereoAngle left, +stereoAngle right
    double scale = 0;  // orbitScale: 1.4 left and 0.1 right in 2-Orbit

    // Twips to one picture unit (1100 x orbitScale).
    double twipsPerUnit() const { return 1100 * scale; }
};

OrbitPicture orbitPicture(const OrbitView& view, int p);

// A point in a picture: H to the right, V up, in AU; D the depth, towards
// the viewer.
struct PicturePoint {
    double H = 0, V = 0, D = 0;
};

// The heliocentric ecliptic point `p` (AU) turned by the view and the picture.
PicturePoint intoPicture(const OrbitView& view, const OrbitPicture& picture, const Xyz& p);

struct TwipsPoint {
    double x = 0, y = 0;
};

// Where a picture point lands: the Sun at ((ae + shift) / 2, bb / 2).
TwipsPoint onScreen(const OrbitView& view, const OrbitPicture& picture, const PicturePoint& q);

}  // namespace halvane
