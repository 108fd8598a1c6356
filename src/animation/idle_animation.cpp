#include "animation/idle_animation.h"

#include "drawing/chart_colours.h"

namespace halvane {

namespace {

constexpr int TwinkleRows = 1900;  // rows 101 to 2000 can be switched off
constexpr int LastOnRow = 1999;

// Paints `row` when it is on the chart and bright enough to twinkle; with
// `erase` in black, rays included.
void twinkleStar(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting, int row,
                 bool erase)
{
    if (testOffChart(h, screen, row)) return;
    const double level = starLevelOf(h, screen, row);
    if (level < TwinkleLevel) return;
    plotting.starRow = row;
    prepareStar(plotting, level);
    if (erase) {
        surface.setForeColour(Black);
        plotting.keepColour = true;
    }
    plotStar(h, surface, screen, plotting);
    plotting.keepColour = false;
}

}  // namespace

std::array<int, 6> rowsSwitchedOn(int twinkleRow)
{
    std::array<int, 6> rows{};
    for (int k = 1; k <= 6; ++k) {
        int row = twinkleRow + 20 * k;
        if (row > LastOnRow) row -= LastOnRow - star::FirstRow + 1;
        rows[static_cast<size_t>(k - 1)] = row;
    }
    return rows;
}

bool idleAnimation(const Halvane& h, const SkyScreen& screen, StarPlotting& plotting, DrawPorts ports)
{
    bool repainted = false;
    const double t9 = ports.clock.secondsSinceMidnight();
    std::optional<DriftingLight> light;
    if (noNames(h.vars.sname) && h.vars.con == 0) light.emplace(skyLight, screen.ae, screen.bb, ports.random);

    const AnimationSteps steps{
        .twinkle =
            [&] {
                const int twinkleRow = static_cast<int>(Int(ports.random.next() * TwinkleRows)) + star::FirstRow;
                twinkleStar(h, ports.surface, screen, plotting, twinkleRow, true);
                for (int row : rowsSwitchedOn(twinkleRow)) twinkleStar(h, ports.surface, screen, plotting, row, false);
            },
        .stopped = [&] { return h.flags.t99; },
        .afterEvents = {},
        .finish =
            [&] {
                const int starLimit = plotting.starLimit;
                plotting.twinkleMode = true;
                plotStarField(h, ports.surface, screen, plotting);
                plotting.twinkleMode = false;
                plotting.starLimit = starLimit;
                repainted = true;
            },
    };
    runSkyAnimation(light, steps, ports, t9);
    return repainted;
}

}  // namespace halvane
