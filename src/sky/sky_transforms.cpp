#include "sky/sky_transforms.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/vector.h"
#include "sky/view_centred.h"

namespace halvane {

double displayObliquityRad(int selec) { return isEquatorialView(selec) ? negativeObliquity : 0.0; }

DisplayAngles eclipticToDisplayFrame(double longitudeRad, double latitudeRad, double obliquityRad)
{
    const Xyz p = XRotation(-obliquityRad)(unitVector(longitudeRad, latitudeRad));
    return {directionAngle(p.x, p.y), latitudeOfDirection(p.x, p.y, p.z)};
}

ViewCentring starCentring(const Halvane& h)
{
    const std::optional<Xyz>& aberration = h.sky.aberration;
    if (!aberration) return ViewCentring(h.vars.b1, h.vars.b2);
    return ViewCentring(h.vars.b1, h.vars.b2, XRotation(-displayObliquityRad(h.vars.selec))(*aberration));
}

double screenAngleTowards(const Halvane& h, const Xyz& sight, const Xyz& towards)
{
    constexpr double step = 1e-6;  // radians: far below a pixel, far above rounding
    const double d = length(sight);
    const double along = (towards.x * sight.x + towards.y * sight.y + towards.z * sight.z) / (d * d);
    const Xyz across{towards.x - along * sight.x, towards.y - along * sight.y, towards.z - along * sight.z};
    const double size = length(across);
    if (!(d > 0) || !(size > 0)) return 0;
    const double k = step * d / size;
    const Xyz moved{sight.x + k * across.x, sight.y + k * across.y, sight.z + k * across.z};
    const double obliquity = displayObliquityRad(h.vars.selec);
    const auto centred = [&](const Xyz& p) {
        const SphericalAngles a = anglesOf(p);
        const DisplayAngles frame = eclipticToDisplayFrame(a.longitude, a.latitude, obliquity);
        return viewCentred(frame.A, frame.D, h.vars.b1, h.vars.b2);
    };
    const ViewAngles from = centred(sight), to = centred(moved);
    // The screen's x falls as u grows and its y as v grows.
    return std::atan2(-(to.v - from.v), -wrapOnceIntoHalfTurns(to.u - from.u));
}

}  // namespace halvane
