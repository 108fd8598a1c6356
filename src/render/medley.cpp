#include "render/medley.h"

namespace halvane {

void advanceMedley(Halvane& h, RequestState& r, const Clock& clock)
{
    auto& v = h.vars;
    // The timer is kept in single precision: the clock is read in the same
    // precision, so that a reading is never a hair before the timer's start.
    const float now = static_cast<float>(clock.secondsSinceMidnight());
    if (v.scene == MedleyScene) {
        h.flags.scene2 = 1;
        v.scene = 1;
        r.sceneTimer = now;
    }
    if (h.flags.scene2 == 1 && elapsedSeconds(r.sceneTimer, now) > r.scenePeriod) {
        r.sceneTimer = now;
        r.sceneCounter += 1;
        v.scene = r.sceneCounter;
        if (r.sceneCounter == MedleyScene) {
            v.scene = 1;
            h.flags.scene2 = 1;
            r.sceneCounter = 0;
        }
    }
}

}  // namespace halvane
