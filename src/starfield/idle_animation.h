// After a sky view the bright stars twinkle and a small light drifts across
// the sky until the next click.
#pragma once

#include "panel/halvane.h"
#include "surface/surface.h"
#include "util/event_pump.h"

namespace halvane {

void idleAnimation(Halvane& h, Surface& surface, EventPump& events);

}  // namespace halvane
