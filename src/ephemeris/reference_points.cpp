#include "ephemeris/reference_points.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/elements_of_date.h"

namespace halvane {

using namespace body;

namespace {

constexpr double largestObliquityDeg = 24.5;
constexpr double smallestObliquityDeg = 22;
constexpr double obliquityCycleYears = 41000;
constexpr double meanObliquityYears = 1030;  // Ti of 18 August 3012

void placeOnEcliptic(SkyPositions& sky, int point, double longitudeDeg)
{
    sky.longitudeDegrees[point] = longitudeDeg;
    sky.eclipticLongitude[point] = radiansFromDegrees(longitudeDeg);
    sky.eclipticLatitude[point] = 0;
}

void placePole(SkyPositions& sky, int point, double longitudeRad, double latitudeDeg)
{
    sky.eclipticLongitude[point] = longitudeRad;
    sky.eclipticLatitude[point] = radiansFromDegrees(latitudeDeg);
}

}  // namespace

double katamukiDeg(double Ti)
{
    return (largestObliquityDeg + smallestObliquityDeg) / 2
        - (largestObliquityDeg - smallestObliquityDeg) / 2
        * std::sin(p0 * 2 * (Ti - meanObliquityYears) / obliquityCycleYears);
}

void earthViewStep(SkyPositions& sky, double Ti)
{
    const double equinox = addTurnIfNegativeDeg(vernalEquinoxDeg(Ti));
    placeOnEcliptic(sky, VernalEquinox, equinox);
    placeOnEcliptic(sky, AutumnalPoint, addTurnIfNegativeDeg(equinox - 180));
    sky.katamuki = katamukiDeg(Ti);

    const double quarterTurn = radiansFromDegrees(90);
    placePole(sky, NorthPole, sky.eclipticLongitude[VernalEquinox] + quarterTurn, 90 - sky.katamuki);
    placePole(sky, SouthPole, sky.eclipticLongitude[AutumnalPoint] + quarterTurn, -(90 - sky.katamuki));
    placeOnEcliptic(sky, SummerSolstice, addTurnIfNegativeDeg(equinox - 270));
    placeOnEcliptic(sky, WinterSolstice, addTurnIfNegativeDeg(equinox - 90));
    placePole(sky, EclipticNorthPole, sky.eclipticLongitude[VernalEquinox] + quarterTurn, 90);
    placePole(sky, EclipticSouthPole, sky.eclipticLongitude[AutumnalPoint] + quarterTurn, -90);
}

}  // namespace halvane
