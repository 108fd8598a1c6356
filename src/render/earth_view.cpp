#include "render/earth_view.h"

#include <cmath>

#include "data/constants.h"
#include "render/element_update.h"

namespace halvane {

namespace {

enum ReferencePoint : int {
    VernalEquinox = 91, AutumnalPoint, NorthPole, SouthPole, SummerSolstice, WinterSolstice, EclipticNorthPole,
    EclipticSouthPole
};

void placeOnEcliptic(SkyPositions& sky, int point, double longitudeDeg)
{
    sky.longitudeDegrees[point] = longitudeDeg;
    sky.eclipticLongitude[point] = longitudeDeg / p1;
    sky.eclipticLatitude[point] = 0;
}

void placePole(SkyPositions& sky, int point, double longitudeRad, double latitudeDeg)
{
    sky.eclipticLongitude[point] = longitudeRad;
    sky.eclipticLatitude[point] = latitudeDeg / p1;
}

}  // namespace

double katamukiDeg(double Ti) { return (24.5 + 22) / 2 - (24.5 - 22) / 2 * std::sin(p0 * 2 * (Ti - 1030) / 41000); }

double wrappedDeg(double longitudeDeg) { return longitudeDeg < 0 ? longitudeDeg + 360 : longitudeDeg; }

void earthViewStep(SkyPositions& sky, double Ti)
{
    const double equinox = wrappedDeg(vernalEquinoxDeg(Ti));
    placeOnEcliptic(sky, VernalEquinox, equinox);
    placeOnEcliptic(sky, AutumnalPoint, wrappedDeg(equinox - 180));
    sky.katamuki = katamukiDeg(Ti);

    const double quarterTurn = 90 / p1;
    placePole(sky, NorthPole, sky.eclipticLongitude[VernalEquinox] + quarterTurn, 90 - sky.katamuki);
    placePole(sky, SouthPole, sky.eclipticLongitude[AutumnalPoint] + quarterTurn, -(90 - sky.katamuki));
    placeOnEcliptic(sky, SummerSolstice, wrappedDeg(equinox - 270));
    placeOnEcliptic(sky, WinterSolstice, wrappedDeg(equinox - 90));
    placePole(sky, EclipticNorthPole, sky.eclipticLongitude[VernalEquinox] + quarterTurn, 90);
    placePole(sky, EclipticSouthPole, sky.eclipticLongitude[AutumnalPoint] + quarterTurn, -90);
}

}  // namespace halvane
