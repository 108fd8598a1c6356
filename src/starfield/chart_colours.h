// Colours that more than one chart paints, kept in one place: the marks the
// overlay mode adds, the names of constellations, first-magnitude stars and
// reference points, comet tails, and the Sun's glow and the dark side of a
// disc, which the twinkling stars must not cover.
#pragma once

#include "util/rgb.h"

namespace halvane {

inline constexpr Rgb PassNumberColour{150, 100, 100};
inline constexpr Rgb ReferenceCircleColour{55, 55, 155};

inline constexpr Rgb ConstellationNameColour{96, 90, 176};
inline constexpr Rgb StarNameColour{60, 150, 60};
inline constexpr Rgb ReferenceNameColour{156, 156, 200};

inline constexpr Rgb TailColour{50, 50, 60};
inline constexpr Rgb GlowColour{255, 200, 100};
inline constexpr Rgb DarkSide{0, 50, 80};

}  // namespace halvane
