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

// Seconds from `start` to `now`, both seconds since midnight. A span that
// began before midnight keeps counting after it; only a fall of more than
// half a day is such a crossing, so a smaller fall (a start that rounding
// put a hair later, a clock set back) counts as no time.
inline double elapsedSeconds(double start, double now)
{
    constexpr double day = 86400;
    const double elapsed = now - start;
    if (elapsed < -day / 2) return elapsed + day;
    return elapsed < 0 ? 0 : elapsed;
}

// Seconds on `clock` since `start` (seconds since midnight).
inline double secondsSince(double start, const Clock& clock)
{
    return elapsedSeconds(start, clock.secondsSinceMidnight());
}

}  // namespace halvane
