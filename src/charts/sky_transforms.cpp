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

double displayObliquityRad(int selec) { return isEquatorialView(selec) ? negativeObliquity : 0.0; }

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

void companionReadout(Halvane& h)
{
    auto& v = h.vars;
    const double s = isEquatorialView(v.selec) ? negativeObliquity : -negativeObliquity;
    v.b1 = boxNumber(h, Text1) * p0 / 180;
    v.b2 = boxNumber(h, Text2) * p0 / 180;

    const SphericalAngles other = anglesOf(XRotation(s)(unitVector(v.b1, v.b2)));
    setText(h, Text11, companionText(other.longitude * 180 / p0));
    setText(h, Text12, companionText(other.latitude * 180 / p0));
}

}  // namespace halvane
