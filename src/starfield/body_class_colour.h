// The colour of a body's name by its class: planets and the Moon, comets,
// asteroids. Shared by every chart that names bodies.
#pragma once

#include <optional>

#include "ephemeris/body_index.h"
#include "util/rgb.h"

namespace halvane {

// Sun, planets and Moon (0 to 10), comets (11 to 20), asteroids (21 to 30);
// nothing for any other index, which keeps the fore colour it has.
constexpr std::optional<Rgb> bodyClassColour(int i)
{
    if (i < 0 || i > body::LastAsteroid) return std::nullopt;
    if (i <= body::Moon) return Rgb{150, 150, 60};
    if (i <= body::LastComet) return Rgb{140, 60, 120};
    return Rgb{100, 70, 150};
}

}  // namespace halvane
