#include "sky/constellation_lines.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ephemeris/vector.h"
#include "sky/view_centred.h"

namespace halvane {

namespace {

bool strictlyInside(const SkyScreen& screen, double u, double v)
{
    const double k = screen.twipsPerRadian();
    return std::abs(u * k) < screen.ae / 2 && std::abs(v * k) < screen.bb / 2;
}

// The latitude v at which the great-circle arc between two ends crosses the
// seam behind the viewer (u = +-p0), when it does: its ends then lie on
// either side of the half turn, u0 and u1 of opposite sign, and the point
// of the arc where the sideways component vanishes lies behind (x < 0).
std::optional<double> seamCrossing(ViewAngles a, ViewAngles b)
{
    if (!(a.u * b.u < 0)) return std::nullopt;
    const Xyz p = unitVector(a.u, a.v), q = unitVector(b.u, b.v);
    const double wa = std::abs(q.y), wb = std::abs(p.y);
    const Xyz on{wa * p.x + wb * q.x, wa * p.y + wb * q.y, wa * p.z + wb * q.z};
    if (!(on.x < 0)) return std::nullopt;
    return latitudeOfDirection(on.x, on.y, on.z);
}

}  // namespace

void drawConstellationLines(const Halvane& h, Surface& surface, const SkyScreen& screen)
{
    using line::ViewU, line::ViewV;
    const int con = std::clamp(h.vars.con, 0, 2);
    const Rgb colour{20 * con, 20 * con, 80 * con};
    surface.setPenWidth(1);

    for (int s = 1; s <= star::LineRecords; ++s) {
        const auto& row = h.stars.lines[static_cast<size_t>(s)];
        const ViewAngles first{row[ViewU], row[ViewV]}, second{row[ViewU + 1], row[ViewV + 1]};
        if (!strictlyInside(screen, first.u, first.v) && !strictlyInside(screen, second.u, second.v)) continue;
        const auto draw = [&](ViewAngles from, ViewAngles to) {
            surface.line(screen.x(from.u), screen.y(from.v), screen.x(to.u), screen.y(to.v), colour);
        };
        // A segment over the seam runs out at one side of the chart and in at
        // the other, as its stars do.
        if (const auto seam = seamCrossing(first, second)) {
            draw(first, {std::copysign(p0, first.u), *seam});
            draw({std::copysign(p0, second.u), *seam}, second);
        } else {
            draw(first, second);
        }
    }
}

}  // namespace halvane
