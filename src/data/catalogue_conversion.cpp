#include "data/catalogue_conversion.h"

#include "ephemeris/ecliptic_conversion.h"
#include "util/vector_registers.h"

namespace halvane {

namespace {

void convertRow(StarRow& row)
{
    const SphericalAngles e = toEcliptic(row[star::RightAscension], row[star::Declination]);
    row[star::Longitude] = e.longitude;
    row[star::Latitude] = e.latitude;
}

}  // namespace

void convertToEcliptic(StarTables& tables)
{
    settleVectorRegisters();
    // Rows no record filled hold the angles (0, 0), the equinox, whose
    // ecliptic angles are (0, 0) as well: they are left as they are.
    for (int row = star::FirstRow - 1; row <= tables.lastCatalogueRow; ++row)
        convertRow(tables.stars[static_cast<size_t>(row)]);
    for (int row = 1; row < star::NamedRows; ++row) convertRow(tables.named[row]);
    for (int record = 1; record <= star::LineRecords; ++record) {
        auto& columns = tables.lines[record];
        for (int end = 0; end < 2; ++end) {
            const SphericalAngles e = toEcliptic(columns[line::RightAscension + end], columns[line::Declination + end]);
            columns[line::Longitude + end] = e.longitude;
            columns[line::Latitude + end] = e.latitude;
        }
    }
}

}  // namespace halvane
