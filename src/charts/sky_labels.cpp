#include "charts/sky_labels.h"

#include "charts/body_distances.h"
#include "charts/sky_bodies.h"
#include "starfield/chart_colours.h"
#include "starfield/orbit_selection.h"
#include "starfield/star_plotting.h"
#include "starfield/view_centred.h"
#include "util/printed_number.h"

namespace halvane {

namespace {

constexpr int FirstStarName = 90;  // named-star rows from here are stars
constexpr double LabelShift = 100;  // twips right of the object

void drawNamedStars(const Halvane& h, Surface& surface, const SkyScreen& screen, double F)
{
    const auto [a, d] = angleColumnsFor(h.vars.selec);
    const ViewCentring centring(h.vars.b1, h.vars.b2);
    const size_t je = language(h.vars.je);
    surface.setFontSize(F);
    surface.setForeColour(ConstellationNameColour);
    for (size_t row = 1; row < star::NamedRows; ++row) {
        const StarRow& cells = h.stars.named[row];
        const ViewAngles angles = centring(cells[a], cells[d]);
        if (screen.offChart(angles.u, angles.v)) continue;
        if (row >= FirstStarName) surface.setForeColour(StarNameColour);
        const auto& texts = h.stars.namedTexts[row];
        const double x = screen.x(angles.u) + LabelShift, y = screen.y(angles.v);
        surface.setCurrentX(x);
        surface.setCurrentY(y);
        surface.print(texts[je]);
        if (je != English) continue;
        for (size_t line = 2; line <= 3; ++line) {
            surface.setCurrentX(x);
            surface.setCurrentY(y + F * 100 * static_cast<double>(line - 1) / 6);
            surface.print(texts[line]);
        }
    }
}

void drawBodyNames(const Halvane& h, Surface& surface, const SkyScreen& screen, double F, int passCounter)
{
    const size_t je = language(h.vars.je);
    surface.setPenWidth(1);
    for (int i = 0; i <= body::LastReferencePoint; ++i) {
        if (!namedBody(h, i)) continue;
        const StarRow& cells = h.stars.stars[static_cast<size_t>(i)];
        if (screen.offChart(cells[star::ViewU], cells[star::ViewV])) continue;
        const std::string& name = h.texts.bodyNames[je][static_cast<size_t>(i)];
        if (name.empty()) continue;  // an empty comet or asteroid slot
        const bool referencePoint = i > body::FixedPoint;
        const double x = screen.x(cells[star::ViewU]), y = screen.y(cells[star::ViewV]);
        surface.setCurrentX(x + LabelShift);
        surface.setCurrentY(y + (i == body::Moon ? F * 100 / 6 : 0));
        surface.setForeColour(referencePoint ? ReferenceNameColour : *bodyClassColour(i));
        surface.setFontSize(referencePoint ? F : F + labelSizeStep(distanceFromViewpoint(h, i), distanceFromSun(h, i)));
        surface.printOnLine(name);
        if (h.vars.norm == repeat::Overlay) {
            surface.setForeColour(PassNumberColour);
            surface.printOnLine(printedNumber(passCounter));
        }
        if (referencePoint) drawReferenceCircle(surface, x, y);
    }
}

}  // namespace

double labelFontSize(double b3)
{
    if (b3 > 100) return 13;
    if (b3 >= 40) return 12;
    if (b3 >= 30) return 11;
    if (b3 >= 20) return 10;
    if (b3 >= 12) return 9;
    return 8;
}

int labelSizeStep(double d, double r)
{
    if (d < r - 0.5) return 4;
    if (d < r - 0.2) return 3;
    if (d < r) return 2;
    if (d < r + 0.2) return 1;
    return 0;
}

bool namedBody(const Halvane& h, int i)
{
    if (i == h.vars.view) return false;
    if (i > body::LastAsteroid && i <= body::FixedPoint) return false;
    if (i > body::FixedPoint && h.vars.view != body::Earth) return false;
    return orbitShows(h.vars.orbit, i);
}

void drawSkyLabels(const Halvane& h, Surface& surface, const SkyScreen& screen, int passCounter)
{
    const double F = labelFontSize(screen.b3);
    drawNamedStars(h, surface, screen, F);
    drawBodyNames(h, surface, screen, F, passCounter);
}

}  // namespace halvane
