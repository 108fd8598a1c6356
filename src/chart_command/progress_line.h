// One line on standard error that tells how far a long drawing or a film
// has come and how long it still needs; rewritten in place, at most a few
// times a second, and only for a terminal.
#pragma once

#include <chrono>
#include <ostream>

#include "panel/halvane.h"

namespace halvane {

struct Progress {
    long pass = 0;  // passes drawn so far
    long passes = 0;  // passes of the request; 0 when it has no end of its own
    long frames = -1;  // frames of a film so far; negative for a picture
    double done = -1;  // share of the whole done, 0 to 1; negative when unknown
};

// The passes of the request `h` now runs: the panel's count less one for a
// Sequential or overlay run (its last count draws nothing), one for a
// single drawing, 0 for a request without an end of its own.
long requestPasses(const Halvane& h);

// "pass 12 of 29, 60 frames, 0:03 elapsed, about 0:04 to go".
std::string progressText(const Progress& progress, double elapsedSeconds);

class ProgressLine {
public:
    // Writes to `out` only when `shown` (standard error is a terminal).
    ProgressLine(std::ostream& out, bool shown);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void update(const Progress& progress);

private:
    using Time = std::chrono::steady_clock::time_point;
    std::ostream& out_;
    bool shown_;
    bool written_ = false;
    Time start_ = std::chrono::steady_clock::now();
    Time last_{};
};

}  // namespace halvane
