// What a drawing reaches outside itself through: the surface it draws on,
// the clock its waits and animations keep time by, the random source of
// colours and aim points, and the event pump it lets run between steps.
#pragma once

#include "surface/surface.h"
#include "util/clock.h"
#include "util/event_pump.h"
#include "util/random.h"

namespace halvane {

struct DrawPorts {
    Surface& surface;
    const Clock& clock;
    Random& random;
    EventPump& events;
};

}  // namespace halvane
