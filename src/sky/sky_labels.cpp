#include "sky/sky_labels.h"

#include <algorithm>

#include "drawing/bodies_shown.h"
#include "drawing/chart_colours.h"
#include "sky/body_distances.h"
#include "sky/sky_bodies.h"
#include "sky/sky_transforms.h"
#include "sky/star_plotting.h"
#include "util/printed_number.h"

namespace halvane {

namespace {

constexpr int FirstStarName = 90;  // named-star rows from here are stars
constexpr double LabelShift = 100;  // twips right of the object
constexpr double LabelGap = 45;  // twips between a drawn disc and its name

// The top-left corner of a label of `width` x `height` twips put at (x, y),
// moved left and up as far as it would stand out of the chart's right and
// bottom edges.
struct LabelCorner {
    double x, y;
};
LabelCorner insideChart(const SkyScreen& screen, double x, double y, double width, double height)
{
    return {std::min(x, screen.ae - width), std::min(y, screen.bb - height)};
}

// Whether a label put at (x, y) may reach the right or bottom edge at all:
// no glyph is wider than two ems (20 twips to the point) nor takes less
// than a byte, no line is higher than two ems. Only such labels are
// measured.
bool mayReachEdge(const SkyScreen& screen, double x, double y, size_t longestLine, double height, double points)
{
    const double em = 20 * points;
    return x + 2 * em * static_cast<double>(longestLine) > screen.ae || y + height + 2 * em > screen.bb;
}

void drawNamedStars(const Halvane& h, Surface& surface, const SkyScreen& screen, double F)
{
    const auto [a, d] = angleColumnsFor(h.vars.selec);
    const ViewCentring centring = starCentring(h);
    const size_t je = language(h.vars.je);
    surface.setFontSize(F);
    surface.setForeColour(ConstellationNameColour);
    for (size_t row = 1; row < star::NamedRows; ++row) {
        const StarRow& cells = h.stars.named[row];
        const ViewAngles angles = centring(cells[a], cells[d]);
        if (screen.offChart(angles.u, angles.v)) continue;
        if (row >= FirstStarName) surface.setForeColour(StarNameColour);
        const auto& texts = h.stars.namedTexts[row];
        // In English up to two more lines, the last ones often empty.
        size_t lines = 1;
        if (je == English) lines = !texts[3].empty() ? 3 : !texts[2].empty() ? 2 : 1;
        const auto lineText = [&](size_t line) -> const std::string& { return texts[line == 0 ? je : line + 1]; };
        const double lineGap = F * 100 / 6;
        double x = screen.x(angles.u) + LabelShift, y = screen.y(angles.v);
        size_t longest = 0;
        for (size_t line = 0; line < lines; ++line) longest = std::max(longest, lineText(line).size());
        if (mayReachEdge(screen, x, y, longest, lineGap * static_cast<double>(lines - 1), F)) {
            double width = 0;
            for (size_t line = 0; line < lines; ++line) width = std::max(width, surface.textWidth(lineText(line)));
            const double height = lineGap * static_cast<double>(lines - 1) + surface.lineHeight();
            const LabelCorner inside = insideChart(screen, x, y, width, height);
            x = inside.x, y = inside.y;
        }
        for (size_t line = 0; line < lines; ++line) {
            surface.setCurrentX(x);
            surface.setCurrentY(y + lineGap * static_cast<double>(line));
            surface.print(lineText(line));
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
        const bool overlay = h.vars.norm == repeat::Overlay;
        const double x = screen.x(cells[star::ViewU]), y = screen.y(cells[star::ViewV]);
        surface.setFontSize(referencePoint ? F : F + labelSizeStep(distanceFromViewpoint(h, i), distanceFromSun(h, i)));
        const std::string number = overlay ? printedNumber(passCounter) : std::string();
        LabelCorner corner{x + std::max(LabelShift, bodyReach(h, surface, screen, i) + LabelGap),
                           y + (i == body::Moon ? F * 100 / 6 : 0)};
        if (mayReachEdge(screen, corner.x, corner.y, name.size() + number.size(), 0, surface.fontSize())) {
            const double width = surface.textWidth(name) + surface.textWidth(number);
            corner = insideChart(screen, corner.x, corner.y, width, surface.lineHeight());
        }
        surface.setCurrentX(corner.x);
        surface.setCurrentY(corner.y);
        surface.setForeColour(referencePoint ? ReferenceNameColour : *bodyClassColour(i));
        surface.printOnLine(name);
        if (overlay) {
            surface.setForeColour(PassNumberColour);
            surface.printOnLine(number);
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
