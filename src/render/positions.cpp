#include "render/positions.h"

#include "ephemeris/directions.h"
#include "ephemeris/ecliptic_conversion.h"
#include "ephemeris/observer.h"
#include "ephemeris/precise_positions.h"
#include "ephemeris/seen_positions.h"
#include "panel/change_handlers.h"
#include "util/numbers.h"

namespace halvane {

namespace {

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

// The span before the moment over which a body's motion is taken for its
// light time: about a quarter of an hour.
constexpr double motionStepDays = 0.01;

Sighting sightingOf(const Halvane& h)
{
    Sighting sighting;
    if (h.positionModel != PositionModel::Precise || !preciseModelCovers(h.time.Ti)) return sighting;
    sighting.lightTime = h.lightTime;
    if (h.place && viewpointIndex(h.vars.view) == body::Earth)
        sighting.observer = equatorialToEcliptic()(ObserverSky(*h.place, h.time.Ti).position());
    return sighting;
}

// The directions as the sighting sees them: the bodies placed a moment
// earlier as well give each body's motion during its light time.
void seeDirections(Halvane& h, const std::vector<int>& directed, const Sighting& sighting)
{
    BodyTables before = h.bodies;
    SkyPositions beforeSky = h.sky;
    placeBodiesWith(h.positionModel, before, before, beforeSky, h.time.Ti - motionStepDays / taiyounenniti);
    setPosition(before, body::Sun, {});
    const MovingPositions moving{h.bodies, before, motionStepDays};
    const int v = viewpointIndex(h.vars.view);
    for (const int i : directed) setDirection(h.sky, i, seenVector(moving, v, i, sighting));
    if (v != body::Earth) return;
    setDirection(h.sky, body::Moon, seenVector(moving, v, body::Moon, sighting));
    if (sighting.lightTime) h.sky.aberration = earthAberration(moving);
}

}  // namespace

std::vector<int> computePositions(Halvane& h)
{
    placeBodiesWith(h.positionModel, h.bodies, h.bodies, h.sky, h.time.Ti);
    recordViewpoint(h);
    setPosition(h.bodies, body::Sun, {});
    std::vector<int> directed = directionsFromViewpoint(h.bodies, h.sky, h.vars.view);
    h.sky.aberration.reset();
    const Sighting sighting = sightingOf(h);
    if (!sighting.isGeometric()) seeDirections(h, directed, sighting);
    for (const int i : directed) {
        StarRow& row = h.stars.stars[static_cast<size_t>(i)];
        row[star::Longitude] = h.sky.eclipticLongitude[static_cast<size_t>(i)];
        row[star::Latitude] = h.sky.eclipticLatitude[static_cast<size_t>(i)];
    }
    return directed;
}

}  // namespace halvane
