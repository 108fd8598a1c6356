#include "sky/comet_tails.h"

#include <algorithm>
#include <cmath>

#include "drawing/chart_colours.h"
#include "sky/body_disc.h"
#include "sky/body_distances.h"
#include "sky/comet_tail_end.h"

namespace halvane {

namespace {

constexpr double FarthestTail = 4;  // AU from the Sun
constexpr double ShortestTail = 0.01;
constexpr double TailMagnification = 1000;

}  // namespace

double tailFactor(double exponent, double r)
{
    const double factor = tailLengthFactor(exponent, r);
    return (r > FarthestTail || !(factor >= ShortestTail)) ? 0 : factor;
}

void drawCometTail(const Halvane& h, Surface& surface, const SkyScreen& screen, int i, double d, double r)
{
    const auto k = static_cast<size_t>(i);
    const auto& b = h.bodies;
    if (tailFactor(b.cometExponent[k], r) == 0) return;

    const auto tail = static_cast<size_t>(cometTailRow(i));
    const SkyScreen tailScreen{screen.ae, screen.bb, std::min(screen.b3, TailMagnification)};
    const StarRow& tailRow = h.stars.stars[tail];
    const StarRow& cometRow = h.stars.stars[k];
    const double x0 = tailScreen.x(tailRow[star::ViewU]), y0 = tailScreen.y(tailRow[star::ViewV]);
    const double x1 = screen.x(cometRow[star::ViewU]), y1 = screen.y(cometRow[star::ViewV]);
    if (!std::isfinite(x0 + y0 + x1 + y1)) return;
    surface.setPenWidth(penWidthForSize(b.displayScale[k] / 4 * nearnessScale(screen.b3, d)));
    surface.line(x0, y0, x1, y1, TailColour);
}

}  // namespace halvane
