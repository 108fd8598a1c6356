// Where the view looks: re-centring on a click and a random aim point.
#pragma once

#include "panel/halvane.h"
#include "panel/request_state.h"
#include "util/random.h"

namespace halvane {

struct AimDegrees {
    double first, second;  // Text1, Text2
};

// Brings an aim point back into 0..360 and -180..180 (one test each).
AimDegrees wrapAim(AimDegrees aim);

// Moves the aim point in Text1, Text2 towards the click at (X, Y) twips,
// turns it back over a pole and rounds it to four decimals.
void recentreOnClick(Halvane& h, RequestState& request);

// Three random numbers give an aim point anywhere on the sphere, more
// likely near the equator than near the poles.
void randomAimPoint(Halvane& h, Random& random);

// The magnification the click's displacement is divided by.
double recentringScale(const Halvane& h);

}  // namespace halvane
