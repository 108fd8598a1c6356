// How much the colour setting takes from each component of a star's white,
// by spectral class: 1 to 7 = O, B, A, F, G, K, M; components red, green, blue.
#pragma once

#include <array>

namespace halvane {

inline constexpr std::array<std::array<double, 3>, 8> spectralTint{{
    {0, 0, 0},
    {0.22, 0.22, 0},  // O
    {0.15, 0.15, 0},  // B
    {0.05, 0.05, 0},  // A
    {0, 0, 0.08},  // F
    {0, 0, 0.22},  // G
    {0, 0.11, 0.22},  // K
    {0, 0.22, 0.22},  // M
}};

}  // namespace halvane
