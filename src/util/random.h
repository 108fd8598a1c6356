// Pseudo-random numbers for views, stars of the opening screen and music order.
#pragma once

namespace halvane {

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // Starts a new sequence seeded from the clock.
    virtual void reseed() = 0;
};

}  // namespace halvane
