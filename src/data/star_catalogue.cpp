#include "data/star_catalogue.h"

#include "data/data_file.h"
#include "data/record_reading.h"
#include "util/vector_registers.h"

namespace halvane {

namespace {

const std::string fileName = "starsdata.dat";

void readCatalogueRecords(FieldReader& reader, StarTables& tables, Messages& messages)
{
    int row = star::FirstRow - 1;
    try {
        while (!reader.atEnd()) {
            if (++row > star::LastRow) showAndEnd(messages, "starsdata.dat is broken.");
            reader.beginRecord();
            const double rightAscension = reader.number();
            const double declination = reader.number();
            const double brightness = reader.number();
            tables.spectralClass[row] = reader.text();
            StarRow& stored = tables.stars[row];
            stored[star::RightAscension] = rightAscension / 100;
            stored[star::Declination] = declination / 100;
            stored[star::Brightness] = brightness;
            tables.lastCatalogueRow = row;
        }
    } catch (const FileFault& fault) {
        showAndEnd(messages, damageSentence(fileName, row - star::FirstRow + 1, fault));
    }
    // A catalogue without a single record (empty, blank, only a byte order
    // mark) would leave every sky starless.
    if (row < star::FirstRow) showAndEnd(messages, "starsdata.dat is broken.");
}

}  // namespace

void readStarCatalogue(StarTables& tables, const std::string& folder, Messages& messages)
{
    if (!dataFileExists(folder, fileName)) showAndEnd(messages, "starsdata.datを" + folder + "に置いて下さい。");
    auto reader = FieldReader::open(dataFilePath(folder, fileName));
    if (!reader) showAndEnd(messages, fileName + " cannot be read.");

    tables.stars.resize(star::Rows);
    tables.spectralClass.resize(star::Rows);
    settleVectorRegisters();
    readCatalogueRecords(*reader, tables, messages);
}

}  // namespace halvane
