#include "sky/body_disc.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/chart_colours.h"
#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

namespace {

using Corners = std::vector<QPointF>;

// The part of `polygon` on one side of the line x = bound (or y = bound).
Corners clipAt(const Corners& polygon, bool alongX, double bound, bool keepBelow)
{
    const auto value = [&](const QPointF& p) { return alongX ? p.x() : p.y(); };
    const auto inside = [&](const QPointF& p) { return keepBelow ? value(p) <= bound : value(p) >= bound; };
    Corners kept;
    for (size_t k = 0; k < polygon.size(); ++k) {
        const QPointF& a = polygon[k];
        const QPointF& b = polygon[(k + 1) % polygon.size()];
        if (inside(a)) kept.push_back(a);
        if (inside(a) != inside(b)) kept.push_back(a + (b - a) * ((bound - value(a)) / (value(b) - value(a))));
    }
    return kept;
}

// The polygon cut to the surface and a pixel around it, so that a disc
// many times the window's size is filled as a window-sized shape.
Corners clipToSurface(Corners polygon, const Surface& surface)
{
    const double mx = surface.twipsPerPixelX(), my = surface.twipsPerPixelY();
    polygon = clipAt(polygon, true, -mx, false);
    polygon = clipAt(polygon, true, surface.scaleWidth() + mx, true);
    polygon = clipAt(polygon, false, -my, false);
    return clipAt(polygon, false, surface.scaleHeight() + my, true);
}

}  // namespace

int penWidthForSize(double size)
{
    if (!(size > 0)) return 1;
    return static_cast<int>(std::clamp(Int(1 + std::sqrt(size) / 1.5), 1.0, 1000.0));
}

int arcSegments(double pixels)
{
    const double turn = std::sqrt(2 / std::max(pixels, 1.0));
    return static_cast<int>(std::clamp(std::ceil(p0 / turn), 8.0, 1024.0));
}

double discReach(const Surface& surface, double radius, int penWidth)
{
    return radius + penWidth * surface.pixelRatio() * surface.twipsPerPixelX() / 2;
}

double phaseAngle(const Xyz& body, const Xyz& viewpoint)
{
    const Xyz sun{-body.x, -body.y, -body.z};
    const Xyz seen{viewpoint.x - body.x, viewpoint.y - body.y, viewpoint.z - body.z};
    const Xyz across{sun.y * seen.z - sun.z * seen.y, sun.z * seen.x - sun.x * seen.z, sun.x * seen.y - sun.y * seen.x};
    return std::atan2(length(across), sun.x * seen.x + sun.y * seen.y + sun.z * seen.z);
}

void drawPhaseDisc(Surface& surface, const DiscPicture& d)
{
    const double r = d.reach;
    if (!(r > 0) || !std::isfinite(r + d.x + d.y)) return;
    const double c = std::cos(d.phase), cosSun = std::cos(d.sunward), sinSun = std::sin(d.sunward);
    const int segments = arcSegments(r / surface.twipsPerPixelX());
    // u towards the Sun, v across; theta runs from -p0/2 to p0/2 along the
    // terminator, u = -c r cos(theta), v = r sin(theta).
    const auto onScreen = [&](double u, double v) {
        return QPointF(d.x + u * cosSun - v * sinSun, d.y + u * sinSun + v * cosSun);
    };
    const auto outline = [&](double side) {  // side 1: the half towards the Sun, -1 the other
        Corners corners;
        for (int j = 0; j <= segments; ++j) {
            const double theta = p0 * j / segments - p0 / 2;
            corners.push_back(onScreen(side * r * std::cos(theta), -side * r * std::sin(theta)));
        }
        for (int j = 0; j <= segments; ++j) {
            const double theta = side * (p0 * j / segments - p0 / 2);
            corners.push_back(onScreen(-c * r * std::cos(theta), r * std::sin(theta)));
        }
        return corners;
    };
    fillOnSurface(surface, outline(1), d.colour);
    fillOnSurface(surface, outline(-1), DarkSide);
}

void fillOnSurface(Surface& surface, std::vector<QPointF> corners, Rgb colour)
{
    const Corners kept = clipToSurface(std::move(corners), surface);
    if (kept.size() >= 3) surface.fillPolygon(kept, colour);
}

}  // namespace halvane
