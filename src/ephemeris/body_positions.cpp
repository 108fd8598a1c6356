#include "ephemeris/body_positions.h"

#include "ephemeris/constants.h"
#include "ephemeris/kepler.h"
#include "ephemeris/moon.h"

namespace halvane {

using namespace body;

namespace {

// Perihelion times of the planets, the Moon and the asteroids; the comets
// have theirs from the element update.
void setPerihelionTimes(const OrbitalElements& b, SkyPositions& sky)
{
    for (int i = Mercury; i <= Moon; ++i)
        sky.perihelionTime[i] = perihelionTimeYears(b.epochLongitude[i], b.eccentricity[i], b.period[i]);
    for (int i = FirstAsteroid; i <= LastAsteroid; ++i)
        sky.perihelionTime[i] = perihelionTimeYears(b.epochLongitude[i], b.eccentricity[i], b.period[i])
            - asteroidEpochYears(b.asteroidEpoch[i]);
}

Xyz keplerPosition(OrbitalElements& b, SkyPositions& sky, int i, double Ti)
{
    if (b.period[i] == 0) b.period[i] = 1;
    const double fraction = orbitFraction(sky.perihelionTime[i], Ti, b.period[i]);
    sky.eccentricAnomaly[i] =
        eccentricAnomalyDeg(fraction, b.eccentricity[i], isComet(i) ? keplerRoundsComet : keplerRounds);

    const double a = i == Moon ? a10 : b.semiMajorAxis[i];
    const Xyz inPlane = orbitPlanePoint(a, b.eccentricity[i], sky.eccentricAnomaly[i]);
    sky.orbitX[i] = inPlane.x;
    sky.orbitY[i] = inPlane.y;
    sky.argumentOfPerihelion[i] = b.perihelionLongitude[i] - b.nodeLongitude[i];
    return eclipticPoint(inPlane, sky.argumentOfPerihelion[i], b.inclination[i], b.nodeLongitude[i]);
}

// The Moon's Kepler position is relative to the Earth: its direction from
// the Earth is set here, and its position becomes heliocentric.
Xyz placeMoon(OrbitalElements& b, const HeliocentricPositions& p, SkyPositions& sky, const Xyz& geocentric, double Ti)
{
    const MoonDirection moon = correctedMoon(geocentric, Ti);
    sky.longitudeDegrees[Moon] = moon.longitudeDeg;
    sky.eclipticLongitude[Moon] = moon.longitudeRad;
    sky.eclipticLatitude[Moon] = moon.latitudeRad;
    return heliocentricMoon(b, p, sky, moon.geocentric);
}

}  // namespace

void placeBodies(OrbitalElements& b, HeliocentricPositions& p, SkyPositions& sky, double Ti)
{
    setPerihelionTimes(b, sky);
    setPosition(p, Sun, {});
    for (int i = Sun; i <= LastAsteroid; ++i) {
        const Xyz at = keplerPosition(b, sky, i, Ti);
        setPosition(p, i, i == Moon ? placeMoon(b, p, sky, at, Ti) : at);
    }
    sky.r03 = earthDistanceRatio(b, p);
}

Xyz heliocentricMoon(OrbitalElements& b, const HeliocentricPositions& p, SkyPositions& sky, const Xyz& geocentric)
{
    const Xyz earth = positionOf(p, Earth);
    const Xyz heliocentric{earth.x + geocentric.x, earth.y + geocentric.y, earth.z + geocentric.z};
    b.semiMajorAxis[Moon] = length(heliocentric);
    sky.r10 = length(geocentric) / a10;
    return heliocentric;
}

double earthDistanceRatio(const OrbitalElements& b, const HeliocentricPositions& p)
{
    return length(positionOf(p, Earth)) / b.semiMajorAxis[Earth];
}

}  // namespace halvane
