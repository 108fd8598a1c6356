#include "sky/star_block.h"

#include <algorithm>
#include <cmath>

#include "util/numbers.h"

namespace halvane {

namespace {

struct Steps {
    long first = 1, last = 0;
};

// The steps k of 1 to `count` whose dot at `start` - dotPitch * k twips can
// round to a pixel 0 to `pixels` - 1 (one step of margin either side; the
// surface drops the rest).
Steps visibleSteps(double start, double count, double twipsPerPixel, int pixels)
{
    const double nearEdge = (start + twipsPerPixel) / dotPitch;
    const double farEdge = (start - (pixels + 1) * twipsPerPixel) / dotPitch;
    return {static_cast<long>(std::clamp(std::floor(farEdge), 1.0, count + 1)),
            static_cast<long>(std::clamp(std::ceil(nearEdge), 0.0, count))};
}

int nearestPixel(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::clamp(std::nearbyint(twips / twipsPerPixel), -1.0, 1e9));
}

}  // namespace

void paintPixelBlock(Surface& surface, double starX, double starY, double starSize, int widthBonus, Rgb colour)
{
    if (!std::isfinite(starX) || !std::isfinite(starY) || !(starSize >= 0)) return;
    const double size = std::min(starSize, LargestDrawnSize);
    const double tx = surface.twipsPerPixelX(), ty = surface.twipsPerPixelY();
    const double half = dotPitch * size / 2;
    const Steps rows = visibleSteps(starY + half, Int(size + 1), ty, surface.screen().height());
    const Steps dots =
        visibleSteps(starX + half, Int(size + std::clamp(widthBonus, 0, 1) + 1), tx, surface.screen().width());
    for (long r = rows.first; r <= rows.last; ++r) {
        const int py = nearestPixel(starY + dotPitch * (size / 2 - r), ty);
        for (long c = dots.first; c <= dots.last; ++c)
            surface.setPixel(nearestPixel(starX + dotPitch * (size / 2 - c), tx), py, colour);
    }
}

}  // namespace halvane
