#include "data/named_stars.h"

#include "data/record_reading.h"

namespace halvane {

namespace {

constexpr int Labels = 89;  // rows 1 to 89: four label texts each
constexpr int BrightStars = 21;  // rows 90 to 110: two names each

}  // namespace

void readNamedStars(StarTables& tables, const std::string& folder, Messages& messages)
{
    const RecordLayout layout{.records = Labels + BrightStars};
    readOptionalFile(folder, "stelladata.dat", layout, messages, [&](FieldReader& r, int k) {
        const int row = k + 1;
        std::array<std::string, 4> texts;
        const int textCount = row <= Labels ? 4 : 2;
        for (int i = 0; i < textCount; ++i) texts[i] = r.text();
        const double rightAscension = r.number();
        const double declination = r.number();
        tables.namedTexts[row] = std::move(texts);
        tables.named[row][star::RightAscension] = rightAscension;
        tables.named[row][star::Declination] = declination;
    });
}

}  // namespace halvane
