// The body of a star: a block of device pixels around its centre.
#pragma once

#include "surface/surface.h"

namespace halvane {

// Distance between neighbouring dots of a star's block, twips.
inline constexpr double dotPitch = 6;

// A star of this many dot steps already covers any screen with its block and
// its rays; larger sizes are drawn at this size, which looks the same.
inline constexpr double LargestDrawnSize = 1e6;

// Whether a block of `starSize` dot steps gets one extra dot per row.
inline bool widerBlock(double starSize)
{
    return (1.6 < starSize && starSize < 4) || (6.5 < starSize && starSize < 9) || (20 < starSize && starSize < 25);
}

// Sets the pixels of a block of Int(starSize + 1) rows by
// Int(starSize + widthBonus + 1) dots, `dotPitch` apart, centred on
// (starX, starY) twips, each rounded half to even to its device pixel.
// Only the rows and dots that can land on the surface are visited; a
// centre or size that is not a number draws nothing.
void paintPixelBlock(Surface& surface, double starX, double starY, double starSize, int widthBonus, Rgb colour);

}  // namespace halvane
