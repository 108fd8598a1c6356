// Lets pending window events run in the middle of a long drawing, so that a
// timer tick, a button or a second click can run inside it.
#pragma once

namespace halvane {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void letEventsRun() = 0;
    // Runs window events as they come for `seconds`, sleeping while none
    // come, so a paced animation leaves the processor free between steps.
    virtual void waitForEvents(double seconds) = 0;
};

}  // namespace halvane
