#include "sky/star_colour.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "data/spectral_tint.h"

namespace halvane {

namespace {

constexpr int HighestColour = 4;

int component(double level, int color, double tint)
{
    return static_cast<int>(std::min(255.0, std::nearbyint((1 - color * tint) * level)));
}

}  // namespace

int spectralClassNumber(std::string_view spectralClass)
{
    static constexpr std::array<std::string_view, 8> letters{"", "O", "B", "A", "F", "G", "K", "M"};
    const auto found = std::find(letters.begin() + 1, letters.end(), spectralClass);
    return found == letters.end() ? 3 : static_cast<int>(found - letters.begin());
}

Rgb chooseStarColour(std::string_view spectralClass, int color, double starLevel)
{
    // A setting from outside the menu is held to it; a level that is not a
    // number paints black.
    const int c = std::clamp(color, 0, HighestColour);
    const double level = starLevel > 0 ? std::min(starLevel, FullLevel) : 0.0;
    const auto& tint = spectralTint[static_cast<size_t>(spectralClassNumber(spectralClass))];
    return {component(level, c, tint[0]), component(level, c, tint[1]), component(level, c, tint[2])};
}

}  // namespace halvane
