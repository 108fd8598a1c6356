// Which bodies every chart shows and names, by the "bodies shown" box: 0 All,
// 1 Only Planets, 2 +Comets, 3 +Asteroids (the reference points go with the
// asteroids).
#pragma once

#include "ephemeris/body_index.h"

namespace halvane {

constexpr bool orbitShows(int orbit, int i)
{
    if (orbit == 1) return i <= body::Pluto;
    if (orbit == 2) return i <= body::LastComet;
    if (orbit == 3) return i <= body::Pluto || i >= body::FirstAsteroid;
    return true;
}

}  // namespace halvane
