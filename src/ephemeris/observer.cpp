#include "ephemeris/observer.h"

#include <erfa.h>
#include <erfam.h>

#include "ephemeris/constants.h"
#include "ephemeris/delta_t.h"

namespace halvane {

namespace {

constexpr double secondsPerDay = 86400;
constexpr double metresPerAu = 149597870700;

Xyz scaled(const Xyz& p, double factor) { return {p.x * factor, p.y * factor, p.z * factor}; }

double dot(const Xyz& a, const Xyz& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The vector whose terrestrial components are `t`, in the celestial frame:
// the transpose of the celestial-to-terrestrial matrix applied to it.
Xyz celestialOf(const double c2t[3][3], const Xyz& t)
{
    return {c2t[0][0] * t.x + c2t[1][0] * t.y + c2t[2][0] * t.z, c2t[0][1] * t.x + c2t[1][1] * t.y + c2t[2][1] * t.z,
            c2t[0][2] * t.x + c2t[1][2] * t.y + c2t[2][2] * t.z};
}

}  // namespace

ErfaDates erfaDates(double Ti)
{
    const double utDays = Ti * taiyounenniti;
    return {dayZeroJulianDate, utDays, utDays + deltaTSeconds(dayZeroYear + Ti) / secondsPerDay};
}

double greenwichMeanSiderealTime(double Ti)
{
    const ErfaDates d = erfaDates(Ti);
    return eraGmst06(d.day0, d.utDays, d.day0, d.ttDays);
}

double greenwichApparentSiderealTime(double Ti)
{
    const ErfaDates d = erfaDates(Ti);
    return eraGst06a(d.day0, d.utDays, d.day0, d.ttDays);
}

Xyz terrestrialPosition(const EarthPlace& place)
{
    double xyz[3] = {0, 0, 0};
    eraGd2gc(ERFA_WGS84, radiansFromDegrees(place.longitudeDeg), radiansFromDegrees(place.latitudeDeg),
             place.heightMetres, xyz);
    return {xyz[0], xyz[1], xyz[2]};
}

ObserverSky::ObserverSky(const EarthPlace& place, double Ti)
{
    const ErfaDates d = erfaDates(Ti);
    double c2t[3][3];
    eraC2t06a(d.day0, d.ttDays, d.day0, d.utDays, 0, 0, c2t);

    // The place's local axes in the Earth's frame, from its geodetic
    // latitude and longitude (the up direction is the ellipsoid's normal).
    const double lat = radiansFromDegrees(place.latitudeDeg), lon = radiansFromDegrees(place.longitudeDeg);
    const Xyz up = unitVector(lon, lat);
    const Xyz east{-std::sin(lon), std::cos(lon), 0};
    const Xyz north{-std::sin(lat) * std::cos(lon), -std::sin(lat) * std::sin(lon), std::cos(lat)};
    east_ = celestialOf(c2t, east);
    north_ = celestialOf(c2t, north);
    up_ = celestialOf(c2t, up);
    position_ = scaled(celestialOf(c2t, terrestrialPosition(place)), 1 / metresPerAu);
}

HorizontalAngles ObserverSky::horizontal(const Xyz& icrsDirection) const
{
    const double e = dot(icrsDirection, east_), n = dot(icrsDirection, north_), u = dot(icrsDirection, up_);
    return {latitudeOfDirection(e, n, u), longitudeOfDirection(n, e)};
}

}  // namespace halvane
