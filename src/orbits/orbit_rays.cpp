#include "orbits/orbit_rays.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/chart_colours.h"
#include "ephemeris/angles.h"
#include "util/numbers.h"

namespace halvane {

namespace {

// 4455 = 1100 x 4.05: the label sits 44.55 dot steps out, past the rays' ends.
constexpr double equinoxLabelDistance = 4455;

void drawRays(const OrbitView& view, double centreX, int sign, Surface& surface)
{
    surface.setPenWidth(1);
    for (int d = 1; d <= 46; ++d) {
        for (int j = 1; j <= 12; ++j) {
            const double theta = radiansFromDegrees(30.0 * (j - 1)) - view.viewTurn;
            const double u = std::cos(theta) * d;
            const double v = std::sin(theta) * view.viewTiltCos * d;
            const double q = std::clamp(sign * -view.viewTiltSin * v, -25.0, 25.0);
            const int shade = static_cast<int>(Int(5 * q + 125));
            const Rgb colour = d % 5 == 0 ? Rgb{shade, 0, 0} : Rgb{shade, shade, 0};
            surface.setPoint(centreX + 100 * u, view.bb / 2 + 100 * v, colour);
        }
    }
}

// The label at the date's vernal equinox: entry 91 of the longitudes, in
// degrees, turned to radians to join the view's turn.
void drawEquinoxLabel(const Halvane& h, const OrbitView& view, double centreX, Surface& surface)
{
    const double alpha = view.viewTurn + radiansFromDegrees(h.sky.longitudeDegrees[body::VernalEquinox]);
    surface.setForeColour(ReferenceNameColour);
    surface.setFontSize(view.labelSize);
    surface.setCurrentX(centreX + equinoxLabelDistance * std::cos(alpha));
    surface.setCurrentY(view.bb / 2 - equinoxLabelDistance * view.viewTiltCos * std::sin(alpha));
    surface.print(h.texts.equinoxLabel[language(h.vars.je)]);
}

}  // namespace

int raySign(double Ka) { return (Ka > 180 && Ka < 360) || (Ka > -180 && Ka < 0) ? 1 : -1; }

void drawDirectionRays(const Halvane& h, const OrbitView& view, Surface& surface)
{
    const int sign = raySign(h.vars.Ka);
    for (const double c : view.selec == display::TwoOrbit ? std::array{1.0, 2.0} : std::array{1.5, 1.5}) {
        const double centreX = view.ae * (2 * c - 1) / 4;
        drawRays(view, centreX, sign, surface);
        drawEquinoxLabel(h, view, centreX, surface);
    }
}

void drawOrbitCaptions(const Halvane& h, Surface& surface, double ae)
{
    const auto& messages = h.texts.messages[language(h.vars.je)];
    surface.setForeColour({156, 156, 156});
    surface.setFontSize(12);
    const struct {
        double x, y;
        int row;
    } captions[] = {{ae / 6, 200, message::InnerOrbits},
                    {4 * ae / 6, 200, message::OuterOrbits},
                    {3.5 * ae / 9, 400, message::Equinox2000}};
    for (const auto& caption : captions) {
        surface.setCurrentX(caption.x);
        surface.setCurrentY(caption.y);
        surface.print(messages[caption.row]);
    }
}

}  // namespace halvane
