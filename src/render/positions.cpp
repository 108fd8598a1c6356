#include "render/positions.h"

#include "data/constants.h"
#include "panel/change_handlers.h"
#include "render/directions.h"
#include "render/kepler.h"
#include "render/moon.h"
#include "util/numbers.h"

namespace halvane {

using namespace body;

namespace {

bool isComet(int i) { return i >= FirstComet && i <= LastComet; }

Xyz positionOf(const BodyTables& b, int i) { return {b.x[i], b.y[i], b.z[i]}; }

void setPosition(BodyTables& b, int i, const Xyz& p)
{
    b.x[i] = p.x;
    b.y[i] = p.y;
    b.z[i] = p.z;
}

// Perihelion times of the planets, the Moon and the asteroids; the comets
// have theirs from the element update.
void setPerihelionTimes(const BodyTables& b, SkyPositions& sky)
{
    for (int i = Mercury; i <= Moon; ++i)
        sky.perihelionTime[i] = perihelionTimeYears(b.epochLongitude[i], b.eccentricity[i], b.period[i]);
    for (int i = FirstAsteroid; i <= LastAsteroid; ++i)
        sky.perihelionTime[i] = perihelionTimeYears(b.epochLongitude[i], b.eccentricity[i], b.period[i]) -
                                asteroidEpochYears(b.asteroidEpoch[i]);
}

Xyz keplerPosition(BodyTables& b, SkyPositions& sky, int i, double Ti)
{
    if (b.period[i] == 0) b.period[i] = 1;
    const double fraction = orbitFraction(sky.perihelionTime[i], Ti, b.period[i]);
    sky.eccentricAnomaly[i] = eccentricAnomalyDeg(fraction, b.eccentricity[i], isComet(i) ? keplerRoundsComet : keplerRounds);

    const double a = i == Moon ? a10 : b.semiMajorAxis[i];
    const Xyz inPlane = orbitPlanePoint(a, b.eccentricity[i], sky.eccentricAnomaly[i]);
    sky.orbitX[i] = inPlane.x;
    sky.orbitY[i] = inPlane.y;
    sky.argumentOfPerihelion[i] = b.perihelionLongitude[i] - b.nodeLongitude[i];
    return eclipticPoint(inPlane, sky.argumentOfPerihelion[i], b.inclination[i], b.nodeLongitude[i]);
}

// The Moon's Kepler position is relative to the Earth: its direction from
// the Earth is set here, and its position becomes heliocentric.
Xyz placeMoon(BodyTables& b, SkyPositions& sky, const Xyz& geocentric, double Ti)
{
    const MoonDirection moon = correctedMoon(geocentric, Ti);
    sky.longitudeDegrees[Moon] = moon.longitudeDeg;
    sky.eclipticLongitude[Moon] = moon.longitudeRad;
    sky.eclipticLatitude[Moon] = moon.latitudeRad;

    const Xyz earth = positionOf(b, Earth);
    const Xyz heliocentric{moon.geocentric.x + earth.x, moon.geocentric.y + earth.y, moon.geocentric.z + earth.z};
    b.semiMajorAxis[Moon] = length(heliocentric);
    sky.r10 = length(moon.geocentric) / a10;
    return heliocentric;
}

// The viewpoint's position, rounded down to 4 decimals, shown in Text17 to
// Text19; their handlers make it the fixed point.
void recordViewpoint(Halvane& h)
{
    const Xyz p = positionOf(h.bodies, viewpointIndex(h.vars.view));
    auto down4 = [](double q) { return numberText(Int(10000 * q) / 10000); };
    setText(h, Text17, down4(p.x));
    setText(h, Text18, down4(p.y));
    setText(h, Text19, down4(p.z));
}

}  // namespace

void placeBodies(BodyTables& b, SkyPositions& sky, double Ti)
{
    setPerihelionTimes(b, sky);
    setPosition(b, Sun, {});
    for (int i = Sun; i <= LastAsteroid; ++i) {
        const Xyz p = keplerPosition(b, sky, i, Ti);
        setPosition(b, i, i == Moon ? placeMoon(b, sky, p, Ti) : p);
    }
    sky.r03 = length(positionOf(b, Earth)) / b.semiMajorAxis[Earth];
}

std::vector<int> computePositions(Halvane& h)
{
    placeBodies(h.bodies, h.sky, h.time.Ti);
    recordViewpoint(h);
    setPosition(h.bodies, Sun, {});
    return directionsFromViewpoint(h.bodies, h.sky, h.stars.stars, h.vars.view);
}

}  // namespace halvane
