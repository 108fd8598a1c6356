// A place on the Earth as an observer stands on it: geodetic latitude and
// longitude on the WGS84 ellipsoid and the height above it.
#pragma once

namespace halvane {

struct EarthPlace {
    double latitudeDeg = 0;  // north positive, -90 to 90
    double longitudeDeg = 0;  // east positive, -180 to 180
    double heightMetres = 0;  // above the ellipsoid
};

}  // namespace halvane
