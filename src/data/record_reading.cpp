#include "data/record_reading.h"

#include "data/data_file.h"

namespace halvane {

std::string damageSentence(const std::string& fileName, int record, const FileFault& fault)
{
    const std::string where = record == 0 ? "column titles" : "record " + std::to_string(record);
    return fileName + " is damaged at line " + std::to_string(fault.line) + " (" + where + ", field "
        + std::to_string(fault.field) + "): " + fault.what() + ".";
}

namespace {

std::string recordsUsed(int count)
{
    if (count == 0) return " None of its records are used.";
    if (count == 1) return " The first record is used.";
    return " The first " + std::to_string(count) + " records are used.";
}

void readRecords(FieldReader& reader, const std::string& fileName, RecordLayout layout, Messages& messages,
                 const std::function<void(FieldReader&, int)>& readRecord)
{
    int done = 0;
    bool inTitles = true;
    try {
        reader.beginRecord();
        for (int field = 0; field < layout.headerFields; ++field) reader.text();
        inTitles = false;
        for (; done < layout.records; ++done) {
            reader.beginRecord();
            readRecord(reader, done);
        }
    } catch (const FileFault& fault) {
        // A fault at the first field of a record: the file simply ends early.
        if (fault.endOfData && fault.field == 1)
            messages.show(fileName + " ends after " + std::to_string(done) + " of its " + std::to_string(layout.records)
                          + " records." + recordsUsed(done));
        else
            messages.show(damageSentence(fileName, inTitles ? 0 : done + 1, fault) + recordsUsed(done));
    }
}

}  // namespace

void readOptionalFile(const std::string& folder, const std::string& fileName, RecordLayout layout, Messages& messages,
                      const std::function<void(FieldReader&, int)>& readRecord)
{
    if (!dataFileExists(folder, fileName)) {
        messages.show(fileName + " is not existed.");
        return;
    }
    auto reader = FieldReader::open(dataFilePath(folder, fileName));
    if (!reader) {
        messages.show(fileName + " cannot be read.");
        return;
    }
    readRecords(*reader, fileName, layout, messages, readRecord);
}

}  // namespace halvane
