#include "orbits/orbit_pacing.h"

#include "panel/modes.h"

namespace halvane {

double orbitPause(int selec, int norm)
{
    if (norm != repeat::AtRandom) return 0;
    return selec == display::ThreeDOrbit ? 12 : 5;
}

void paceOrbitView(int selec, int norm, EventPump& events, const Clock& clock)
{
    letEventsRunFor(orbitPause(selec, norm), events, clock);
    events.letEventsRun();
}

}  // namespace halvane
