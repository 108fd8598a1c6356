// Ctrl-C (and a hang-up or a polite kill) while a film is written: the
// signal only sets a flag, and the film stops at its next frame, removes
// its unfinished file and ends.
#pragma once

namespace halvane {

// While it lives, SIGINT, SIGTERM and SIGHUP set the flag instead of
// ending the program.
class InterruptCatcher {
public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
};

bool interruptRequested();

}  // namespace halvane
