#include "render/kepler.h"

#include <cmath>

#include "data/constants.h"
#include "util/numbers.h"

namespace halvane {

namespace {
constexpr double dayZeroJulianDate = 2445200.5;
}

double length(const Xyz& p) { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); }

double perihelionTimeYears(double epochAngleDeg, double eccentricity, double periodYears)
{
    const double E0 = epochAngleDeg / p1;
    return (E0 - eccentricity * std::sin(E0)) * periodYears / (2 * p0);
}

double asteroidEpochYears(double epochJulianDate) { return (epochJulianDate - dayZeroJulianDate) / taiyounenniti; }

double orbitFraction(double perihelionTimeYears, double Ti, double periodYears)
{
    return frac((perihelionTimeYears + Ti) / periodYears);
}

double eccentricAnomalyDeg(double fraction, double eccentricity, int rounds)
{
    double E = 180;
    double step = 180;
    for (int round = 0; round < rounds; ++round) {
        step /= 2;
        const double meanFraction = (E / p1 - eccentricity * std::sin(E / p1)) / (2 * p0);
        E += fraction >= meanFraction ? step : -step;
    }
    return E;
}

Xyz orbitPlanePoint(double semiMajorAxis, double eccentricity, double eccentricAnomalyDeg)
{
    const double a = semiMajorAxis;
    const double E = eccentricAnomalyDeg / p1;
    return {a * std::cos(E) - a * eccentricity, std::sin(E) * std::sqrt(a * a - (a * eccentricity) * (a * eccentricity)),
            0};
}

Xyz eclipticPoint(const Xyz& inPlane, double argumentOfPerihelionDeg, double inclinationDeg, double nodeDeg)
{
    const double w = argumentOfPerihelionDeg / p1;
    const double i = inclinationDeg / p1;
    const double node = nodeDeg / p1;
    const double x1 = std::cos(w) * inPlane.x - std::sin(w) * inPlane.y;
    const double y1 = std::sin(w) * inPlane.x + std::cos(w) * inPlane.y;
    const double y2 = std::cos(i) * y1;
    return {std::cos(node) * x1 - std::sin(node) * y2, std::sin(node) * x1 + std::cos(node) * y2, std::sin(i) * y1};
}

}  // namespace halvane
