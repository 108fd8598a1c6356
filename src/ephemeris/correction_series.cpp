#include "ephemeris/correction_series.h"

#include <cmath>

#include "ephemeris/angles.h"

namespace halvane {

namespace {

constexpr double julianDateJ2000 = 2451545.0;
constexpr double daysPerCentury = 36525.0;

}  // namespace

double centuriesFromJ2000(double julianDateTt) { return (julianDateTt - julianDateJ2000) / daysPerCentury; }

double sumOfTerms(std::span<const SeriesTerm> terms, const MeanLongitude& longitude, double centuries)
{
    const double l = radiansFromDegrees(longitude.atJ2000 + longitude.perCentury * centuries);
    double sum = 0;
    for (const SeriesTerm& term : terms) {
        const double phi = term.multiple * l;
        sum += std::pow(centuries, term.power) * (term.cosine * std::cos(phi) + term.sine * std::sin(phi));
    }
    return sum;
}

}  // namespace halvane
