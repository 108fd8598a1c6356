#include "data/age_file.h"

#include "data/record_reading.h"
#include "data/texts.h"

namespace halvane {

void readAges(AgeTables& ages, const std::string& folder, Messages& messages)
{
    readOptionalFile(folder, "age.dat", {.records = 22}, messages, [&](FieldReader& r, int k) {
        std::array<std::string, 4> names;  // first Japanese, first English, second Japanese, second English
        for (auto& name : names) name = r.text();
        const double first = r.number();
        const double second = r.number();

        const int row = k + 1;
        ages.names[Japanese][1][row] = std::move(names[0]);
        ages.names[English][1][row] = std::move(names[1]);
        ages.names[Japanese][2][row] = std::move(names[2]);
        ages.names[English][2][row] = std::move(names[3]);
        ages.thresholds[1][row] = first;
        ages.thresholds[2][row] = second;
    });
}

}  // namespace halvane
