#include "data/ecliptic_conversion.h"

#include <cmath>

#include "data/constants.h"

namespace halvane {

namespace {

const double cosObliquity = std::cos(negativeObliquity);
const double sinObliquity = std::sin(negativeObliquity);

// arctan(numerator / denominator) for a positive or zero denominator; where
// it is zero, the limit of the quotient (a right angle, or 0 for 0 / 0).
double arctanOfQuotient(double numerator, double denominator)
{
    if (denominator != 0) return std::atan(numerator / denominator);
    return numerator > 0 ? p0 / 2 : numerator < 0 ? -p0 / 2 : 0.0;
}

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

    // The quadrant from the sign of x: arctan alone only covers -p0/2..p0/2.
    double longitude = x < 0 ? std::atan(y1 / x) + p0 : arctanOfQuotient(y1, x);
    if (longitude > 2 * p0) longitude -= 2 * p0;
    if (longitude < 0) longitude += 2 * p0;
    return {longitude, arctanOfQuotient(z1, std::sqrt(x * x + y1 * y1))};
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
