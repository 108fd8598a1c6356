// Lets pending window events run in the middle of a long drawing, so that a
// timer tick, a button or a second click can run inside it.
#pragma once

#include "util/clock.h"

namespace halvane {

class EventPump {
public:
    virtual ~EventPump() = default;
    // Shows what was drawn so far and runs the events that are waiting.
    virtual void letEventsRun() = 0;
    // Runs window events as they come for `seconds`, sleeping while none
    // come, so a paced animation leaves the processor free between steps.
    virtual void waitForEvents(double seconds) = 0;
    // Puts what was drawn so far on the screen at once; runs no handler.
    virtual void showDrawing() = 0;
    // A pass of the request is drawn completely. A window has shown it
    // already; a film holds it for its time, a long picture counts it.
    virtual void passDrawn() {}
};

// Runs window events as they come until `seconds` have passed on `clock`
// since `start` (seconds since midnight), sleeping while none come; a wait
// begun before midnight ends after it. Nothing runs once they have passed;
// a remainder below a microsecond (a rounding of the clock's sum) is none.
inline void waitUntil(double start, double seconds, EventPump& events, const Clock& clock)
{
    constexpr double noTime = 1e-6;
    for (double passed = secondsSince(start, clock); passed < seconds - noTime; passed = secondsSince(start, clock))
        events.waitForEvents(seconds - passed);
}

// Lets window events run at least once, then until `seconds` have passed on
// `clock`, sleeping while none come.
inline void letEventsRunFor(double seconds, EventPump& events, const Clock& clock)
{
    const double start = clock.secondsSinceMidnight();
    events.letEventsRun();
    waitUntil(start, seconds, events, clock);
}

}  // namespace halvane
