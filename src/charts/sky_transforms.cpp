#include "charts/sky_transforms.h"

#include <cmath>

#include "data/sky_angles.h"
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
    const double x = std::cos(latitudeRad) * std::cos(longitudeRad);
    const double y = std::cos(latitudeRad) * std::sin(longitudeRad);
    const double z = std::sin(latitudeRad);
    const double s = obliquityRad;
    const double yTurned = std::cos(s) * y + std::sin(s) * z;
    const double zTurned = std::cos(s) * z - std::sin(s) * y;
    return {directionAngle(x, yTurned), latitudeOfDirection(x, yTurned, zTurned)};
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
    const double s = v.selec >= display::TwoOrbit ? -negativeObliquity : negativeObliquity;
    v.b1 = boxNumber(h, Text1) * p0 / 180;
    v.b2 = boxNumber(h, Text2) * p0 / 180;

    const double x = std::cos(v.b2) * std::cos(v.b1);
    const double y = std::cos(v.b2) * std::sin(v.b1);
    const double z = std::sin(v.b2);
    const double yTurned = std::cos(s) * y - std::sin(s) * z;
    const double zTurned = std::cos(s) * z + std::sin(s) * y;

    setText(h, Text11, companionText(longitudeOfDirection(x, yTurned) * 180 / p0));
    setText(h, Text12, companionText(latitudeOfDirection(x, yTurned, zTurned) * 180 / p0));
}

}  // namespace halvane
