#include "starfield/idle_animation.h"

namespace halvane {

// The twinkling and the drifting light are drawn by a later part of the
// program; the pass already calls here at the right moment.
void idleAnimation(Halvane&, Surface&, EventPump&) {}

}  // namespace halvane
