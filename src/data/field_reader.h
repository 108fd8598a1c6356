// The one reader of every data file beside the program. A file is a run of
// fields separated by commas or line ends, read one after another without
// regard to lines, so a record may span lines or share one with others.
// Texts stand bare or in double quotes (quoted texts may hold commas);
// numbers are decimal with "." as the point.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "util/numbers.h"

namespace halvane {

// A field that is not what its reader expects, or the end of the data where
// a field should be. `field` counts from 1 within the current record.
class FileFault : public std::runtime_error {
public:
    FileFault(const std::string& problem, int lineNumber, int fieldNumber, bool atEndOfData)
        : std::runtime_error(problem), line(lineNumber), field(fieldNumber), endOfData(atEndOfData)
    {}

    int line;
    int field;
    bool endOfData;  // the data ended where this field should stand
};

class FieldReader {
public:
    explicit FieldReader(std::string content);

    // The whole file read into memory; nothing when it cannot be read.
    static std::optional<FieldReader> open(const std::string& path);

    // Whether only blanks and line ends are left.
    bool atEnd() const;

    // Starts counting fields anew, so that faults name the field of a record.
    void beginRecord() { fieldInRecord_ = 0; }

    // The next field as text. Throws FileFault at the end of the data or on
    // a quoted text that does not close.
    std::string text();

    // The next field as a finite number; throws FileFault otherwise.
    double number();

    // The next field as a number, or empty when the field is empty.
    Loose looseNumber();

    // Refuses the field just read, whose value makes no sense to its reader:
    // throws FileFault naming it and `problem`.
    [[noreturn]] void reject(const std::string& problem) const { fail(problem); }

private:
    // The next field's content, without quotes and surrounding blanks.
    std::string_view nextField();
    void skipBlanks();
    void skipLineEnd();
    bool atLineEnd() const;
    double toNumber(std::string_view field) const;
    [[noreturn]] void fail(const std::string& problem, bool endOfData = false) const;

    std::string data_;
    size_t pos_ = 0;
    bool afterComma_ = false;  // the last field ended at a comma, not a line end
    int line_ = 1;
    int fieldLine_ = 1;  // line on which the current field starts
    int fieldInRecord_ = 0;
};

}  // namespace halvane
