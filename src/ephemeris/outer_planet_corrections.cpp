#include "ephemeris/outer_planet_corrections.h"

#include <algorithm>
#include <span>

#include "ephemeris/angles.h"
#include "ephemeris/body_index.h"
#include "ephemeris/correction_series.h"
#include "ephemeris/outer_planet_coefficients.h"

namespace halvane {

namespace {

using namespace outer_planet_fit;

struct PlanetSeries {
    std::span<const SeriesTerm> longitude, latitude, distance;  // arc seconds, arc seconds, AU
    MeanLongitude meanLongitude;
};

constexpr PlanetSeries uranus{uranusLongitude, uranusLatitude, uranusDistance, uranusMeanLongitude};
constexpr PlanetSeries neptune{neptuneLongitude, neptuneLatitude, neptuneDistance, neptuneMeanLongitude};

}  // namespace

HeliocentricCorrection outerPlanetCorrection(double julianDateTt, int body)
{
    if (body != body::Uranus && body != body::Neptune) return {};
    const PlanetSeries& series = body == body::Uranus ? uranus : neptune;
    const double t = centuriesFromJ2000(std::clamp(julianDateTt, firstFittedDate, lastFittedDate));
    const double radiansPerArcsecond = radiansFromDegrees(1.0 / 3600);
    const MeanLongitude& l = series.meanLongitude;
    return {sumOfTerms(series.longitude, l, t) * radiansPerArcsecond,
            sumOfTerms(series.latitude, l, t) * radiansPerArcsecond, sumOfTerms(series.distance, l, t)};
}

}  // namespace halvane
