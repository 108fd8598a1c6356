#include "render/positions.h"

#include "ephemeris/directions.h"
#include "ephemeris/precise_positions.h"
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

}  // namespace

std::vector<int> computePositions(Halvane& h)
{
    placeBodiesWith(h.positionModel, h.bodies, h.bodies, h.sky, h.time.Ti);
    recordViewpoint(h);
    setPosition(h.bodies, body::Sun, {});
    std::vector<int> directed = directionsFromViewpoint(h.bodies, h.sky, h.vars.view);
    for (const int i : directed) {
        StarRow& row = h.stars.stars[static_cast<size_t>(i)];
        row[star::Longitude] = h.sky.eclipticLongitude[static_cast<size_t>(i)];
        row[star::Latitude] = h.sky.eclipticLatitude[static_cast<size_t>(i)];
    }
    return directed;
}

}  // namespace halvane
