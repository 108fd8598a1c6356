#include "sky/star_rays.h"

#include <algorithm>
#include <cmath>

#include "sky/star_block.h"
#include "util/numbers.h"

namespace halvane {

namespace {

constexpr int HighestCross = 4;

// The two diagonal strokes through the centre, `a` twips out each way.
void drawDiagonalRays(Surface& surface, double starX, double starY, double a)
{
    const Rgb colour = surface.foreColour();
    surface.line(starX - a, starY - a, starX + a, starY + a, colour);
    surface.line(starX - a, starY + a, starX + a, starY - a, colour);
}

int penWidthOf(double q) { return static_cast<int>(Int(q)); }

}  // namespace

void drawStarRays(Surface& surface, double starX, double starY, double starSize, int cross)
{
    if (!(starSize > 6) || !std::isfinite(starX) || !std::isfinite(starY)) return;
    const double size = std::min(starSize, LargestDrawnSize);
    const int rays = std::clamp(cross, 0, HighestCross);
    double rayScale = (rays + 1) / 3.0;
    const auto diagonalPair = [&](double rayFactor) {
        drawDiagonalRays(surface, starX, starY, size * dotPitch * rayScale * rayFactor);
    };

    diagonalPair(1.3);
    if (size <= 15) return;
    const double h = 0.7 * dotPitch * rayScale * size;
    const Rgb colour = surface.foreColour();
    surface.line(starX, starY - h, starX, starY + h, colour);
    surface.line(starX - h, starY, starX + h, starY, colour);

    surface.setPenWidth(2);
    if (rays > 1) rayScale = 1;
    diagonalPair(0.68);
    if (size <= 30) return;
    surface.setPenWidth(penWidthOf(size / 10));
    diagonalPair(0.51);
    if (size <= 150) return;
    surface.setPenWidth(penWidthOf(size / 30));
    diagonalPair(0.5);
}

}  // namespace halvane
