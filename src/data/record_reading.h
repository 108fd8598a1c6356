// Reading a data file record by record: every record read whole is kept,
// and a damaged file gets one message that names the file, the place and
// the problem, and says which records are used.
#pragma once

#include <functional>
#include <string>

#include "data/field_reader.h"
#include "util/messages.h"

namespace halvane {

struct RecordLayout {
    int headerFields = 0;  // column titles read and thrown away first
    int records = 0;  // records that follow them
};

// "<name> is damaged at line L (record R, field F): <problem>." Record 0 is
// the column titles.
std::string damageSentence(const std::string& fileName, int record, const FileFault& fault);

// Reads a file the program can do without from `folder`: the column titles,
// then readRecord(reader, k) for k = 0 to layout.records - 1. Each call
// reads all its fields before it stores any, so a fault leaves the records
// before it whole and the rest untouched; it is shown in one message and
// ends the reading. A missing file is reported as "<name> is not existed."
// and nothing is read.
void readOptionalFile(const std::string& folder, const std::string& fileName, RecordLayout layout, Messages& messages,
                      const std::function<void(FieldReader&, int)>& readRecord);

}  // namespace halvane
