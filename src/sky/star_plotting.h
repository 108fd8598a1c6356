// The star field: how many catalogue stars a pass considers, and each
// visible star (its angles around the aim point worked out by the pass)
// painted as a block of device pixels in its spectral colour, the brightest
// with rays. The body painter
// and the idle animation paint single stars through the same routines.
#pragma once

#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "sky/star_colour.h"
#include "surface/surface.h"

namespace halvane {

// Star levels (the highest, FullLevel, is in star_colour.h): the level a
// star must exceed to be drawn at all, and the least a twinkling star has.
inline constexpr double FaintestDrawn = 10;
inline constexpr double TwinkleLevel = 200;

// The working values that pass from one star routine to the next. A
// render request holds one for its passes; so does the idle animation.
struct StarPlotting {
    int starLimit = 0;  // highest star row of the pass
    int starRow = 0;  // the star being handled
    double starLevel = 0;  // brightness level, at most 256 once prepared
    double starSize = 0;  // dot steps of the block: sqrt(level / 256) before clamping
    int widthBonus = 0;  // one more dot per row for some sizes
    bool keepColour = false;  // paint the next star in the surface's fore colour
    bool twinkleMode = false;  // the idle animation repaints the bright stars
};

// 2.5 to the power of the brightness setting `gra`, the setting held to the
// menu's range (0 to 5) whatever a settings file or a scene put there.
double brightnessSettingFactor(int gra);

// starLimit from the precision, the brightness setting and the
// magnification: 10000 to 259097 rows, 2000 while twinkling.
void chooseStarLimit(const Halvane& h, const SkyScreen& screen, StarPlotting& plotting);

// The last row of the table the star loops reach: starLimit, unless the
// table is shorter.
int lastRowOf(const Halvane& h, int starLimit);

// The star table columns of the angles a view reads: equatorial in
// Sky-equatorial and Zodiac, ecliptic in the other modes.
struct AngleColumns {
    int a, d;  // the horizontal and the vertical angle
};
AngleColumns angleColumnsFor(int selec);

// scre: true when the row's view-centred angles lie off the drawing area.
bool testOffChart(const Halvane& h, const SkyScreen& screen, int row);

// The brightness level of a row at this magnification and brightness setting.
double starLevelOf(const Halvane& h, const SkyScreen& screen, int row);

// Sets starLevel to `level` and the size and width bonus that go with it,
// then limits starLevel to 256.
void prepareStar(StarPlotting& plotting, double level);

// chooseStarLimit, then every row from starLimit down to 101 that is on the
// chart and brighter than level 10, faint ones first. While twinkling only
// level 200 and up, and never where the Sun's glow, the Moon or the dark
// side of a disc shows.
void plotStarField(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting);

// Paints row starRow as prepared: in its spectral colour, or with keepColour
// in the surface's fore colour (keepColour is cleared afterwards). Leaves the
// pen width at 1 or as the star's rays set it.
void plotStar(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting);

}  // namespace halvane
