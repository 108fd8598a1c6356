#include "animation/background_stars.h"

#include <algorithm>
#include <cmath>

#include "drawing/chart_colours.h"
#include "sky/star_block.h"
#include "sky/star_colour.h"
#include "util/numbers.h"

namespace halvane {

namespace {

constexpr double BrightestLevel = 50000;

}  // namespace

BackgroundStars::BackgroundStars(double ae, double bb, Random& random) : stars_(Count + 1)
{
    for (int row = 1; row <= Count; ++row) {
        BackgroundStar& star = stars_[static_cast<size_t>(row)];
        star.x = ae * random.next();
        star.y = bb * random.next();
        const double r = random.next();
        star.level = r > 20 / BrightestLevel ? 20 / r : BrightestLevel;
    }
}

void BackgroundStars::paint(Surface& surface, int row, bool grey) const
{
    const BackgroundStar& star = (*this)[row];
    const double s = std::sqrt(star.level / FullLevel);
    const int g = static_cast<int>(std::min(star.level, FullLevel));
    const Rgb colour = grey ? Rgb{g, g, g} : Black;
    surface.setPenWidth(1);
    const double rows = Int(1 + s), dots = Int(1 + (widerBlock(s) ? 1 : 0) + s);
    for (int a = 1; a <= rows; ++a)
        for (int b = 1; b <= dots; ++b)
            surface.setPoint(star.x + (s / 2 - b) * dotPitch, star.y + (s / 2 - a) * dotPitch, colour);
}

void BackgroundStars::paintAll(Surface& surface) const
{
    for (int row = 1; row <= Count; ++row) paint(surface, row, true);
}

}  // namespace halvane
