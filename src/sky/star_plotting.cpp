#include "sky/star_plotting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/chart_colours.h"
#include "sky/star_block.h"
#include "sky/star_colour.h"
#include "sky/star_rays.h"

namespace halvane {

namespace {

constexpr int HighestBrightness = 5;
constexpr int TwinkleLimit = 2000;
constexpr int NormalPrecisionLimit = 10000;

// Colours of the bodies' marks that the twinkling repaint must not cover.
constexpr std::array<Rgb, 4> reservedColours{{{220, 220, 220}, DarkSide, GlowColour, {255, 255, 200}}};

// The level of a star per unit of its catalogue brightness.
double levelPerBrightness(const Halvane& h, const SkyScreen& screen)
{
    return 0.5 * screen.b3 * brightnessSettingFactor(h.vars.gra);
}

bool onReservedColour(const Surface& surface, double x, double y)
{
    const Rgb shown = surface.point(x, y);
    return std::find(reservedColours.begin(), reservedColours.end(), shown) != reservedColours.end();
}

// The highest star row a pass considers: 10000 to 259097 rows by the
// precision, the brightness setting and the magnification; 2000 while
// twinkling.
int starLimitFor(int preci, int gra, double b3, bool twinkleMode)
{
    if (twinkleMode) return TwinkleLimit;
    if (preci != 0) return NormalPrecisionLimit;
    const double f = brightnessSettingFactor(gra);
    int limit = star::LastRow;
    if (b3 < 300 / f) limit = 100000;
    if (b3 < 100 / f) limit = 20000;
    if (b3 < 20 / f) limit = 10000;
    return limit;
}

}  // namespace

double brightnessSettingFactor(int gra) { return std::pow(2.5, std::clamp(gra, 0, HighestBrightness)); }

AngleColumns angleColumnsFor(int selec)
{
    if (isEquatorialView(selec)) return {star::RightAscension, star::Declination};
    return {star::Longitude, star::Latitude};
}

int lastRowOf(const Halvane& h, int starLimit)
{
    return std::min(starLimit, static_cast<int>(h.stars.stars.size()) - 1);
}

void chooseStarLimit(const Halvane& h, const SkyScreen& screen, StarPlotting& plotting)
{
    plotting.starLimit = starLimitFor(h.vars.preci, h.vars.gra, screen.b3, plotting.twinkleMode);
}

bool testOffChart(const Halvane& h, const SkyScreen& screen, int row)
{
    const StarRow& cells = h.stars.stars.at(static_cast<size_t>(row));
    return screen.offChart(cells[star::ViewU], cells[star::ViewV]);
}

double starLevelOf(const Halvane& h, const SkyScreen& screen, int row)
{
    return levelPerBrightness(h, screen) * h.stars.stars.at(static_cast<size_t>(row))[star::Brightness];
}

void prepareStar(StarPlotting& plotting, double level)
{
    const double size = std::sqrt(level / FullLevel);
    plotting.starSize = size;
    plotting.widthBonus = widerBlock(size) ? 1 : 0;
    plotting.starLevel = std::min(level, FullLevel);
}

void plotStarField(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting)
{
    chooseStarLimit(h, screen, plotting);
    const double perBrightness = levelPerBrightness(h, screen);
    for (int row = lastRowOf(h, plotting.starLimit); row >= star::FirstRow; --row) {
        if (testOffChart(h, screen, row)) continue;
        const StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
        const double level = perBrightness * cells[star::Brightness];
        if (plotting.twinkleMode
            && (level < TwinkleLevel
                || onReservedColour(surface, screen.x(cells[star::ViewU]), screen.y(cells[star::ViewV]))))
            continue;
        if (!(level > FaintestDrawn)) continue;
        plotting.starRow = row;
        prepareStar(plotting, level);
        plotStar(h, surface, screen, plotting);
    }
}

void plotStar(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting)
{
    const auto row = static_cast<size_t>(plotting.starRow);
    if (row >= h.stars.stars.size() || row >= h.stars.spectralClass.size()) {
        plotting.keepColour = false;
        return;
    }
    if (!plotting.keepColour)
        surface.setForeColour(chooseStarColour(h.stars.spectralClass[row], h.vars.color, plotting.starLevel));
    surface.setPenWidth(1);
    const StarRow& cells = h.stars.stars[row];
    const double starX = screen.x(cells[star::ViewU]);
    const double starY = screen.y(cells[star::ViewV]);
    paintPixelBlock(surface, starX, starY, plotting.starSize, plotting.widthBonus, surface.foreColour());
    plotting.keepColour = false;
    drawStarRays(surface, starX, starY, plotting.starSize, h.vars.cross);
}

}  // namespace halvane
