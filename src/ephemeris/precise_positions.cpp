#include "ephemeris/precise_positions.h"

#include <erfa.h>

#include "ephemeris/body_positions.h"
#include "ephemeris/constants.h"
#include "ephemeris/delta_t.h"
#include "ephemeris/directions.h"
#include "ephemeris/ecliptic_conversion.h"

namespace halvane {

using namespace body;

namespace {

// Day 0, 19 August 1982, as a decimal year.
constexpr double dayZeroYear = 1982 + 230 / 365.0;
constexpr double firstCoveredYear = 1000;
constexpr double lastCoveredYear = 3000;
constexpr double secondsPerDay = 86400;

// A Julian Date in ERFA's two parts.
struct TwoPartDate {
    double day0 = 0, days = 0;
};

TwoPartDate terrestrialTime(double Ti)
{
    return {dayZeroJulianDate, Ti * taiyounenniti + deltaTSeconds(dayZeroYear + Ti) / secondsPerDay};
}

// An ERFA position (ICRS equator, AU) in the program's ecliptic frame.
Xyz eclipticPosition(const double equatorial[3])
{
    return equatorialToEcliptic()({equatorial[0], equatorial[1], equatorial[2]});
}

void placeMoon(OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, const Xyz& geocentric)
{
    setDirection(sky, Moon, geocentric);
    setPosition(p, Moon, heliocentricMoon(b, p, sky, geocentric));
}

void placeFromErfa(OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, double Ti)
{
    const auto [day0, days] = terrestrialTime(Ti);
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(day0, days, heliocentric, barycentric);
    setPosition(p, Earth, eclipticPosition(heliocentric[0]));

    // ERFA numbers Mercury to Neptune as the body index does. A planet whose
    // orbit ERFA cannot solve keeps its Kepler position.
    for (int i = Mercury; i <= Neptune; ++i) {
        double planet[2][3];
        if (i != Earth && eraPlan94(day0, days, i, planet) == 0) setPosition(p, i, eclipticPosition(planet[0]));
    }

    double moon[2][3];
    eraMoon98(day0, days, moon);
    placeMoon(b, p, sky, eclipticPosition(moon[0]));
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
    if (model == PositionModel::Precise && preciseModelCovers(Ti)) placeFromErfa(b, p, sky, Ti);
}

std::optional<PositionModel> positionModelNamed(std::string_view name)
{
    if (name == "builtin") return PositionModel::Builtin;
    if (name == "precise") return PositionModel::Precise;
    return std::nullopt;
}

}  // namespace halvane
