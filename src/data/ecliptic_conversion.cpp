#include "data/ecliptic_conversion.h"

#include <cmath>

#include "data/constants.h"
#include "data/sky_angles.h"

namespace halvane {

namespace {

const double cosObliquity = std::cos(negativeObliquity);
const double sinObliquity = std::sin(negativeObliquity);

void convertRow(StarRow& row)
{
    const EclipticAngles e = toEcliptic(row[star::RightAscension], row[star::Declination]);
    row[star::Longitude] = e.longitude;
    row[star::Latitude] = e.latitude;
}

}  // namespace

EclipticAngles toEcliptic(double rightAscension, double declination)
{
    const double x = std::cos(declination) * std::cos(rightAscension);
    const double y = std::cos(declination) * std::sin(rightAscension);
    const double z = std::sin(declination);
    const double y1 = y * cosObliquity - z * sinObliquity;
    const double z1 = y * sinObliquity + z * cosObliquity;

    return {longitudeOfDirection(x, y1), latitudeOfDirection(x, y1, z1)};
}

void convertToEcliptic(StarTables& tables)
{
    for (size_t row = star::FirstRow - 1; row < tables.stars.size(); ++row) convertRow(tables.stars[row]);
    for (int row = 1; row < star::NamedRows; ++row) convertRow(tables.named[row]);
    for (int record = 1; record <= star::LineRecords; ++record) {
        auto& columns = tables.lines[record];
        for (int end = 0; end < 2; ++end) {
            const EclipticAngles e = toEcliptic(columns[line::RightAscension + end], columns[line::Declination + end]);
            columns[line::Longitude + end] = e.longitude;
            columns[line::Latitude + end] = e.latitude;
        }
    }
}

}  // namespace halvane
