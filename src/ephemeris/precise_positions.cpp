#include "ephemeris/precise_positions.h"

#include "ephemeris/body_positions.h"
#include "ephemeris/constants.h"
#include "ephemeris/directions.h"
#include "ephemeris/observer.h"
#include "ephemeris/planetary_theory.h"

namespace halvane {

using namespace body;

namespace {

constexpr double firstCoveredYear = 1000;
constexpr double lastCoveredYear = 3000;
// The years Pluto's series is made for; outside them Pluto keeps its orbit.
constexpr double firstPlutoYear = 1885;
constexpr double endPlutoYear = 2101;

double terrestrialJulianDate(double Ti)
{
    const ErfaDates d = erfaDates(Ti);
    return d.day0 + d.ttDays;
}

void placeMoon(OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, const Xyz& geocentric)
{
    setDirection(sky, Moon, geocentric);
    setPosition(p, Moon, heliocentricMoon(b, p, sky, geocentric));
}

void placeFromTheories(OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, double Ti)
{
    const double julianDate = terrestrialJulianDate(Ti);
    for (int i = Mercury; i <= Neptune; ++i) setPosition(p, i, heliocentricFromTheory(julianDate, i));
    const double year = dayZeroYear + Ti;
    if (year >= firstPlutoYear && year < endPlutoYear) setPosition(p, Pluto, heliocentricFromTheory(julianDate, Pluto));

    placeMoon(b, p, sky, geocentricMoonFromTheory(julianDate));
    sky.r03 = earthDistanceRatio(b, p);
}

}  // namespace

bool preciseModelCovers(double Ti)
{
    const double year = dayZeroYear + Ti;
    return year >= firstCoveredYear && year <= lastCoveredYear;
}

void placeBodiesWith(PositionModel model, OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, double Ti)
{
    placeBodies(b, p, sky, Ti);
    if (model == PositionModel::Precise && preciseModelCovers(Ti)) placeFromTheories(b, p, sky, Ti);
}

std::optional<PositionModel> positionModelNamed(std::string_view name)
{
    if (name == "builtin") return PositionModel::Builtin;
    if (name == "precise") return PositionModel::Precise;
    return std::nullopt;
}

}  // namespace halvane
