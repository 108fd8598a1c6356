#include "orbits/orbit_projection.h"

#include <cmath>

#include "ephemeris/angles.h"

namespace halvane {

OrbitView orbitViewOf(const PanelVariables& v, double ae, double bb, double b3)
{
    OrbitView view;
    view.selec = v.selec;
    view.ae = ae;
    view.bb = bb;
    view.orbitScale = 200 / b3;
    if (v.selec == display::ThreeDOrbit) {
        view.stereoShift = 2400 * v.d3dd.value();
        view.stereoAngle = 2 * static_cast<double>(v.d3dd00);
    } else if (v.selec == display::TwoOrbit) {
        view.stereoShift = ae / 2;
    }
    view.viewTurn = radiansFromDegrees(90 - static_cast<double>(v.kaiten));
    view.turnCos = std::cos(view.viewTurn);
    view.turnSin = std::sin(view.viewTurn);
    const double tilt = radiansFromDegrees(-v.Ka - 90);
    view.viewTiltCos = std::cos(tilt);
    view.viewTiltSin = std::sin(tilt);
    return view;
}

OrbitPicture orbitPicture(const OrbitView& view, int p)
{
    const double side = p == 1 ? -1 : 1;
    const double angle = radiansFromDegrees(side * view.stereoAngle);
    double scale = view.orbitScale;
    if (view.selec == display::TwoOrbit) scale = p == 1 ? 280.0 / 200 : 200.0 / 2000;
    return {side * view.stereoShift, std::cos(angle), std::sin(angle), scale};
}

PicturePoint intoPicture(const OrbitView& view, const OrbitPicture& picture, const Xyz& p)
{
    const double A = view.turnCos * p.x - view.turnSin * p.y;
    const double B = view.turnCos * p.y + view.turnSin * p.x;
    const double V = B * view.viewTiltCos - p.z * view.viewTiltSin;
    const double W = p.z * view.viewTiltCos + B * view.viewTiltSin;
    return {A * picture.cos - W * picture.sin, V, W * picture.cos + A * picture.sin};
}

TwipsPoint onScreen(const OrbitView& view, const OrbitPicture& picture, const PicturePoint& q)
{
    const double k = picture.twipsPerUnit();
    return {(view.ae + picture.shift) / 2 + k * q.H, view.bb / 2 - k * q.V};
}

}  // namespace halvane
