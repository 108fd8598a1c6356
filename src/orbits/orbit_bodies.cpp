#include "orbits/orbit_bodies.h"

#include <string>

#include "drawing/chart_colours.h"
#include "orbits/orbit_rays.h"
#include "orbits/orbit_selection.h"
#include "orbits/orbit_tails.h"

namespace halvane {

namespace {

void drawBodies(const Halvane& h, const OrbitView& view, const OrbitPicture& picture, int passCounter, Surface& surface)
{
    const auto& b = h.bodies;
    const auto& names = h.texts.bodyNames[language(h.vars.je)];
    for (int i = 1; i <= body::LastAsteroid; ++i) {
        if (!bigEnoughFor(b.semiMajorAxis[i], picture.scale) || !orbitShows(h.vars.orbit, i)) continue;
        const PicturePoint q = intoPicture(view, picture, positionOf(b, i));
        surface.setPenWidth(i > body::Moon ? 2 : 3);
        const TwipsPoint at = onScreen(view, picture, q);
        surface.setPoint(at.x, at.y, Yellow);
        surface.setFontSize(orbitLabelSize(view, picture, q.D));
        surface.setForeColour(*bodyClassColour(i));
        surface.printOnLine(names[i]);
        if (h.vars.norm == repeat::Overlay) {
            surface.setForeColour(PassNumberColour);
            surface.print(std::to_string(passCounter));
        }
    }
}

void drawSun(const Halvane& h, const OrbitView& view, const OrbitPicture& picture, Surface& surface)
{
    const TwipsPoint centre = onScreen(view, picture, {});
    surface.setForeColour({156, 156, 56});
    surface.setPenWidth(5);
    surface.setPoint(centre.x, centre.y, Yellow);
    surface.setFontSize(view.labelSize);
    surface.setCurrentX(centre.x);
    surface.setCurrentY(centre.y);
    surface.print(h.texts.bodyNames[language(h.vars.je)][body::Sun]);
}

}  // namespace

double orbitLabelSize(const OrbitView& view, const OrbitPicture& picture, double D)
{
    const double w = (view.ae + picture.shift) / picture.twipsPerUnit();
    constexpr std::pair<double, int> steps[] = {{-0.6, -3}, {-0.3, -2}, {-0.1, -1}, {0, 0},
                                                {0.1, 1},   {0.3, 2},   {0.6, 3}};
    int size = view.labelSize - 4;
    for (const auto& [depth, step] : steps)
        if (D > depth * w) size = view.labelSize + step;
    return size;
}

void drawOrbitBodies(const Halvane& h, const OrbitView& view, int passCounter, Surface& surface)
{
    if (!namesOnly(h.vars.sname) && h.vars.norm == repeat::Sequential) {
        surface.setPersistence(false);
        surface.clear();
    }
    for (int p = 1; p <= (view.twoPictures() ? 2 : 1); ++p) {
        const OrbitPicture picture = orbitPicture(view, p);
        surface.setForeColour({0, 180, 180});
        drawOrbitTails(h, view, picture, surface);
        drawBodies(h, view, picture, passCounter, surface);
        drawSun(h, view, picture, surface);
    }
    if (view.selec != display::ThreeDOrbit) drawDirectionRays(h, view, surface);
    if (view.selec == display::TwoOrbit) drawOrbitCaptions(h, surface, view.ae);
}

}  // namespace halvane
