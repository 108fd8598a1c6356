#include "starfield/constellation_lines.h"

#include <algorithm>
#include <cmath>

#include "starfield/view_centred.h"

namespace halvane {

namespace {

// Line table columns of the view-centred angles of end point 0; end point 1
// is one column further on.
constexpr int ViewU = 4;
constexpr int ViewV = 6;

bool strictlyInside(const SkyScreen& screen, double u, double v)
{
    const double k = screen.twipsPerRadian();
    return std::abs(u * k) < screen.ae / 2 && std::abs(v * k) < screen.bb / 2;
}

}  // namespace

void drawConstellationLines(Halvane& h, Surface& surface, const SkyScreen& screen)
{
    const bool equatorial = isEquatorialView(h.vars.selec);
    const int a = equatorial ? line::RightAscension : line::Longitude;
    const int d = equatorial ? line::Declination : line::Latitude;
    const ViewCentring centring(h.vars.b1, h.vars.b2);
    const int con = std::clamp(h.vars.con, 0, 2);
    const Rgb colour{20 * con, 20 * con, 80 * con};
    const double widestSpan = screen.b3 * screen.ae / 10;
    surface.setPenWidth(1);

    for (int s = 1; s <= star::LineRecords; ++s) {
        auto& row = h.stars.lines[static_cast<size_t>(s)];
        for (int end = 0; end <= 1; ++end) {
            const ViewAngles angles = centring(row[a + end], row[d + end]);
            row[ViewU + end] = angles.u;
            row[ViewV + end] = angles.v;
        }
        const double x0 = screen.x(row[ViewU]), y0 = screen.y(row[ViewV]);
        const double x1 = screen.x(row[ViewU + 1]), y1 = screen.y(row[ViewV + 1]);
        const bool touches = strictlyInside(screen, row[ViewU], row[ViewV])
                             || strictlyInside(screen, row[ViewU + 1], row[ViewV + 1]);
        if (touches && std::abs(x1 - x0) < widestSpan) surface.line(x0, y0, x1, y1, colour);
    }
}

}  // namespace halvane
