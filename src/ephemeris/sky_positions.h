// Where every body lies at the moment of a pass: its orbit at that moment
// and its direction as seen from the viewpoint. The position computation
// fills these tables; the charts and the star field read them.
#pragma once

#include <optional>

#include "ephemeris/body_index.h"
#include "ephemeris/vector.h"

namespace halvane {

struct SkyPositions {
    PerBody<double> perihelionTime{};  // tropical years since perihelion at day 0
    PerBody<double> eccentricAnomaly{};  // degrees, at the moment of the pass
    PerBody<double> orbitX{}, orbitY{};  // AU in the orbit plane, x towards perihelion
    PerBody<double> argumentOfPerihelion{};  // degrees

    // Direction seen from the viewpoint: the body ecliptic tables (radians,
    // equinox of 2000) and the body longitude table (degrees). Entries 91 to
    // 98 hold the reference points of the sky, set only when the Earth is
    // the viewpoint; the four poles (93, 94, 97, 98) get a longitude in
    // radians only.
    PerBody<double> eclipticLongitude{}, eclipticLatitude{};
    PerBody<double> longitudeDegrees{};

    double e10 = 0;  // the Moon's eccentricity for the date
    double r03 = 0;  // the Earth's distance from the Sun / its semi-major axis
    double r10 = 0;  // the Moon's distance from the Earth / its mean distance
    double katamuki = 0;  // obliquity of the Earth's axis for the date, degrees

    // Set when the bodies' directions carry annual aberration: the Earth's
    // velocity over the speed of light, catalogue's ecliptic frame. The
    // charts shift every star by it, so that stars and bodies move alike.
    std::optional<Xyz> aberration;
};

}  // namespace halvane
