// The computer clock as the program sees it.
#pragma once

namespace halvane {

struct LocalDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time to the minute.
    virtual LocalDateTime now() const = 0;
    // Seconds since local midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
};

// Seconds on `clock` since `start` (seconds since midnight); a wait that began
// before midnight keeps counting after it.
inline double secondsSince(double start, const Clock& clock)
{
    const double elapsed = clock.secondsSinceMidnight() - start;
    return elapsed < 0 ? elapsed + 86400 : elapsed;
}

}  // namespace halvane
