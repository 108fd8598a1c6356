// Colours that more than one chart paints, kept in one place: black, white
// and yellow, the marks the overlay mode adds, the names of bodies by their
// class, of constellations, first-magnitude stars and reference points,
// comet tails, and the Sun's glow and the dark side of a disc, which the
// twinkling stars must not cover.
#pragma once

#include <optional>

#include "ephemeris/body_index.h"
#include "util/rgb.h"

namespace halvane {

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Yellow{255, 255, 0};

inline constexpr Rgb PassNumberColour{150, 100, 100};
inline constexpr Rgb ReferenceCircleColour{55, 55, 155};

inline constexpr Rgb ConstellationNameColour{96, 90, 176};
inline constexpr Rgb StarNameColour{60, 150, 60};
inline constexpr Rgb ReferenceNameColour{156, 156, 200};

inline constexpr Rgb TailColour{50, 50, 60};
inline constexpr Rgb GlowColour{255, 200, 100};
inline constexpr Rgb DarkSide{0, 50, 80};

// The colour of a body's name by its class: Sun, planets and Moon (0 to 10),
// comets (11 to 20), asteroids (21 to 30); nothing for any other index, which
// keeps the fore colour it has.
constexpr std::optional<Rgb> bodyClassColour(int i)
{
    if (i < 0 || i > body::LastAsteroid) return std::nullopt;
    if (i <= body::Moon) return Rgb{150, 150, 60};
    if (i <= body::LastComet) return Rgb{140, 60, 120};
    return Rgb{100, 70, 150};
}

}  // namespace halvane
