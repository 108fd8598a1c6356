#include "zodiac/zodiac_canvas.h"

#include <cmath>

#include "ephemeris/constants.h"

namespace halvane {

namespace {

constexpr double canvasWidth = 12000, canvasHeight = 9000;
constexpr VirtualPoint ringCentre{6900, 4100};

}  // namespace

VirtualPoint ringPoint(double longitudeDeg, double radius)
{
    const double L = longitudeDeg / p1;
    return {ringCentre.X + radius * std::cos(L), ringCentre.Y - radius * std::sin(L)};
}

void ZodiacCanvas::print(VirtualPoint at, std::string_view text) const
{
    if (!std::isfinite(at.X) || !std::isfinite(at.Y)) return;
    surface_.setCurrentX(at.X * surface_.scaleWidth() / canvasWidth);
    surface_.setCurrentY(at.Y * surface_.scaleHeight() / canvasHeight);
    surface_.print(text);
}

}  // namespace halvane
