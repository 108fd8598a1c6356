#include "charts/sky_transforms.h"

#include <cmath>

#include "ephemeris/vector.h"
#include "panel/change_handlers.h"
#include "starfield/view_centred.h"

namespace halvane {

namespace {

bool isBodyRow(int row)
{
    return (row >= 0 && row <= body::LastTailEnd) || (row >= body::VernalEquinox && row <= body::LastReferencePoint);
}

// A companion value as the panel shows it: "0" when it reads back below
// 0.0001 in size.
std::string companionText(double degrees)
{
    const std::string text = numberText(degrees);
    return std::abs(leadingNumber(text)) < 0.0001 ? "0" : text;
}

}  // namespace

double displayObliquityRad(int selec) { return selec <= display::Zodiac ? negativeObliquity : 0.0; }

DisplayAngles eclipticToDisplayFrame(double longitudeRad, double latitudeRad, double obliquityRad)
{
    const Xyz p = XRotation(-obliquityRad)(unitVector(longitudeRad, latitudeRad));
    return {directionAngle(p.x, p.y), latitudeOfDirection(p.x, p.y, p.z)};
}

void displayFrameTransform(Halvane& h, int row)
{
    if (!isBodyRow(row)) return;
    StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
    const double longitude = h.sky.eclipticLongitude[static_cast<size_t>(row)];
    const double latitude = h.sky.eclipticLatitude[static_cast<size_t>(row)];
    cells[star::Longitude] = longitude;
    cells[star::Latitude] = latitude;
    const DisplayAngles frame = eclipticToDisplayFrame(longitude, latitude, displayObliquityRad(h.vars.selec));
    const ViewAngles centred = viewCentred(frame.A, frame.D, h.vars.b1, h.vars.b2);
    cells[star::ViewU] = centred.u;
    cells[star::ViewV] = centred.v;
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

void companionReadout(Halvane& h)
{
    auto& v = h.vars;
    const double s = v.selec >= display::TwoOrbit ? -negativeObliquity : negativeObliquity;
    v.b1 = boxNumber(h, Text1) * p0 / 180;
    v.b2 = boxNumber(h, Text2) * p0 / 180;

    const SphericalAngles other = anglesOf(XRotation(s)(unitVector(v.b1, v.b2)));
    setText(h, Text11, companionText(other.longitude * 180 / p0));
    setText(h, Text12, companionText(other.latitude * 180 / p0));
}

}  // namespace halvane
