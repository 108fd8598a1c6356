#include "data/constellation_lines.h"

#include "data/record_reading.h"

namespace halvane {

void readConstellationLines(StarTables& tables, const std::string& folder, Messages& messages)
{
    readOptionalFile(folder, "conl.dat", {.records = star::LineRecords}, messages, [&](FieldReader& r, int k) {
        const double rightAscension0 = r.number();
        const double declination0 = r.number();
        const double rightAscension1 = r.number();
        const double declination1 = r.number();
        auto& columns = tables.lines[k + 1];
        columns[line::RightAscension] = rightAscension0;
        columns[line::Declination] = declination0;
        columns[line::RightAscension + 1] = rightAscension1;
        columns[line::Declination + 1] = declination1;
    });
}

}  // namespace halvane
