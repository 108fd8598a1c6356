// A star's colour: its brightness level, tinted by its spectral class as
// far as the colour setting asks.
#pragma once

#include <string_view>

#include "util/rgb.h"

namespace halvane {

// The highest level a star or a body is painted with.
inline constexpr double FullLevel = 256;

// Class number 1 to 7 of a spectral class text: "O" 1, "B" 2, "F" 4, "G" 5,
// "K" 6, "M" 7; "A", "", "+" and anything else 3.
int spectralClassNumber(std::string_view spectralClass);

// Grey of `starLevel` (0 to FullLevel) with each component reduced by `color`
// (0 to 4) times the class's tint, rounded half to even, at most 255.
Rgb chooseStarColour(std::string_view spectralClass, int color, double starLevel);

}  // namespace halvane
