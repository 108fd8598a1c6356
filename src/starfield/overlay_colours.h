// The colours of the marks the overlay mode adds to every chart: the pass
// number beside a body and the circle around a reference point.
#pragma once

#include "util/rgb.h"

namespace halvane {

inline constexpr Rgb PassNumberColour{150, 100, 100};
inline constexpr Rgb ReferenceCircleColour{55, 55, 155};

}  // namespace halvane
