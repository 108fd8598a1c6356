#include "ephemeris/delta_t.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace halvane {

namespace {

constexpr double firstTableYear = 1900;
constexpr double tableStepYears = 5;
// Observed Delta T, seconds, for 1900, 1905, ... 2025.
constexpr std::array observedSeconds{-2.72, 3.86,  10.46, 17.20, 21.16, 23.62, 24.02, 23.93, 24.35,
                                     26.77, 29.15, 31.07, 33.15, 35.73, 40.18, 45.48, 50.54, 54.34,
                                     56.86, 60.78, 63.83, 64.69, 66.07, 67.64, 69.36, 69.20};
constexpr double lastTableYear = firstTableYear + tableStepYears * (observedSeconds.size() - 1);
constexpr double fadeYears = 100;

double longTermParabola(double year)
{
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
}

// The parabola, shifted by `offset` at `edgeYear` and less the farther
// `year` lies from it.
double fadedParabola(double year, double edgeYear, double edgeSeconds)
{
    const double offset = edgeSeconds - longTermParabola(edgeYear);
    const double weight = std::max(0.0, 1 - std::abs(year - edgeYear) / fadeYears);
    return longTermParabola(year) + offset * weight;
}

// After the table: the last observed value, rising from it with the long-term
// parabola's curvature (the tides' braking), 32 s per century squared.
double continuation(double year)
{
    const double u = (year - lastTableYear) / 100;
    return observedSeconds.back() + 32 * u * u;
}

}  // namespace

double deltaTSeconds(double year)
{
    if (year >= firstTableYear && year < lastTableYear) {
        const double steps = (year - firstTableYear) / tableStepYears;
        const auto k = static_cast<size_t>(steps);
        const double share = steps - static_cast<double>(k);
        return observedSeconds[k] + (observedSeconds[k + 1] - observedSeconds[k]) * share;
    }
    if (year < firstTableYear) return fadedParabola(year, firstTableYear, observedSeconds.front());
    return continuation(year);
}

}  // namespace halvane
