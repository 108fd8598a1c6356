#include "ephemeris/kepler.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

double perihelionTimeYears(double epochAngleDeg, double eccentricity, double periodYears)
{
    const double E0 = radiansFromDegrees(epochAngleDeg);
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
        const double anomaly = radiansFromDegrees(E);
        const double meanFraction = (anomaly - eccentricity * std::sin(anomaly)) / (2 * p0);
        E += fraction >= meanFraction ? step : -step;
    }
    return E;
}

Xyz orbitPlanePoint(double semiMajorAxis, double eccentricity, double eccentricAnomalyDeg)
{
    const double a = semiMajorAxis;
    const double E = radiansFromDegrees(eccentricAnomalyDeg);
    return {a * std::cos(E) - a * eccentricity,
            std::sin(E) * std::sqrt(a * a - (a * eccentricity) * (a * eccentricity)), 0};
}

Xyz eclipticPoint(const Xyz& inPlane, double argumentOfPerihelionDeg, double inclinationDeg, double nodeDeg)
{
    const double w = radiansFromDegrees(argumentOfPerihelionDeg);
    const double i = radiansFromDegrees(inclinationDeg);
    const double node = radiansFromDegrees(nodeDeg);
    const double x1 = std::cos(w) * inPlane.x - std::sin(w) * inPlane.y;
    const double y1 = std::sin(w) * inPlane.x + std::cos(w) * inPlane.y;
    const double y2 = std::cos(i) * y1;
    return {std::cos(node) * x1 - std::sin(node) * y2, std::sin(node) * x1 + std::cos(node) * y2, std::sin(i) * y1};
}

}  // namespace halvane
