// The clock and the random numbers as the running programs fill those
// ports: the computer's clock and a Mersenne Twister reseeded from it.
#pragma once

#include <random>

#include "util/clock.h"
#include "util/random.h"

namespace halvane {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
    double secondsSinceMidnight() const override;
};

class SystemRandom : public Random {
public:
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_{1};
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

}  // namespace halvane
