#include "charts/body_disc.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/constants.h"
#include "starfield/chart_colours.h"
#include "util/numbers.h"

namespace halvane {

namespace {

// The disc in the frame of its Sun direction: u towards the Sun, v across,
// for the points of one pixel row, at x twips from the centre.
struct RowFrame {
    double cosSun, sinSun, dy;
    double u(double x) const { return cosSun * x + sinSun * dy; }
    double v(double x) const { return -sinSun * x + cosSun * dy; }
};

// Where along one row the colour may change: the line through the centre
// across the Sun direction and the terminator ellipse u^2 + c^2 v^2 = c^2 R^2
// (c the cosine of the phase), kept when they fall between `from` and `to`.
struct RowCuts {
    std::array<double, 5> at{};
    int count = 0;

    void add(double x, double from, double to)
    {
        if (x > from && x < to) at[static_cast<size_t>(count++)] = x;
    }
};

RowCuts rowCuts(const RowFrame& f, double c, double reach, double from, double to)
{
    RowCuts cuts;
    cuts.add(from, -INFINITY, INFINITY);
    if (f.cosSun != 0) cuts.add(-f.sinSun * f.dy / f.cosSun, from, to);
    const double a = f.cosSun * f.cosSun + c * c * f.sinSun * f.sinSun;
    const double b = f.dy * f.cosSun * f.sinSun * (1 - c * c);
    const double q = f.dy * f.dy * (f.sinSun * f.sinSun + c * c * f.cosSun * f.cosSun) - c * c * reach * reach;
    const double discriminant = b * b - a * q;
    if (a > 1e-12 && discriminant > 0) {
        const double root = std::sqrt(discriminant);
        cuts.add((-b - root) / a, from, to);
        cuts.add((-b + root) / a, from, to);
    }
    std::sort(cuts.at.begin() + 1, cuts.at.begin() + cuts.count);
    cuts.at[static_cast<size_t>(cuts.count++)] = to;
    return cuts;
}

// The pixels of one row whose centres lie from x0 to x1 twips, as one line
// of pen width 1 that covers just them (a line from centre to centre
// stretched by a hundredth of a pixel at each end, so that a single pixel
// shows too).
void paintRun(Surface& surface, double x0, double x1, double y, Rgb colour)
{
    const double tx = surface.twipsPerPixelX();
    const double first = std::ceil(x0 / tx - 0.5), last = std::floor(x1 / tx - 0.5);
    if (last < first) return;
    surface.line((first + 0.49) * tx, y, (last + 0.51) * tx, y, colour);
}

}  // namespace

int penWidthForSize(double size)
{
    if (!(size > 0)) return 1;
    return static_cast<int>(std::clamp(Int(1 + std::sqrt(size) / 1.5), 1.0, 1000.0));
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
    surface.setPenWidth(1);
    const double reach = d.reach;
    if (!(reach > 0) || !std::isfinite(reach + d.x + d.y)) return;
    const double tx = surface.twipsPerPixelX(), ty = surface.twipsPerPixelY();
    const double width = surface.scaleWidth(), rows = std::round(surface.scaleHeight() / ty);
    const int top = static_cast<int>(std::clamp(std::floor((d.y - reach) / ty), 0.0, rows));
    const int bottom = static_cast<int>(std::clamp(std::ceil((d.y + reach) / ty), 0.0, rows));
    const double c = std::cos(d.phase);
    const double cosSun = std::cos(d.sunward), sinSun = std::sin(d.sunward);

    for (int row = top; row < bottom; ++row) {
        const double y = (row + 0.5) * ty;
        const RowFrame f{cosSun, sinSun, y - d.y};
        if (std::abs(f.dy) >= reach) continue;
        const double half = std::sqrt(reach * reach - f.dy * f.dy);
        const double from = std::max(-half, -d.x - tx), to = std::min(half, width - d.x + tx);
        if (!(from < to)) continue;
        const auto lit = [&](double x) {
            const double v = f.v(x);
            return f.u(x) >= -c * std::sqrt(std::max(0.0, reach * reach - v * v));
        };
        const RowCuts cuts = rowCuts(f, c, reach, from, to);
        double start = cuts.at[0];
        for (int k = 1; k < cuts.count; ++k) {
            const auto here = static_cast<size_t>(k);
            const bool last = k + 1 == cuts.count;
            const bool shade = lit((cuts.at[here - 1] + cuts.at[here]) / 2);
            if (!last && shade == lit((cuts.at[here] + cuts.at[here + 1]) / 2)) continue;
            paintRun(surface, d.x + start, d.x + cuts.at[here], y, shade ? d.colour : DarkSide);
            start = cuts.at[here];
        }
    }
}

}  // namespace halvane
