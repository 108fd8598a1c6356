#include "data/field_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>

namespace halvane {

namespace {

bool endsBareField(char c) { return c == ',' || c == '\n' || c == '\r'; }

// The length of the well-formed UTF-8 character at the start of `text`, or
// 0 when its first byte starts none.
size_t utf8CharacterLength(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    return length;
}

// A field as a message quotes it: its first 24 bytes or so, whole
// characters only, with control bytes and bytes of no character written
// as \xNN so that the message shows what the file holds.
std::string quoted(std::string_view field)
{
    constexpr size_t Shown = 24;
    std::string text(1, '"');
    size_t i = 0;
    while (i < field.size() && i < Shown) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (c >= 0x20 && c < 0x7F) {
            text.push_back(field[i++]);
        } else if (const size_t length = c >= 0x80 ? utf8CharacterLength(field.substr(i)) : 0; length > 0) {
            if (i + length > Shown) break;
            text.append(field.substr(i, length));
            i += length;
        } else {
            static constexpr char hex[] = "0123456789abcdef";
            text += {'\\', 'x', hex[c >> 4], hex[c & 0xF]};
            ++i;
        }
    }
    if (i < field.size()) text.append("...");
    text.push_back('"');
    return text;
}

}  // namespace

FieldReader::FieldReader(std::string content) : data_(std::move(content))
{
    if (data_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // a UTF-8 byte order mark
}

std::optional<FieldReader> FieldReader::open(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string content(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(content.data(), size)) return std::nullopt;
    return FieldReader(std::move(content));
}

bool FieldReader::atEnd() const
{
    return std::all_of(data_.begin() + static_cast<std::ptrdiff_t>(pos_), data_.end(),
                       [](char c) { return isBlank(c) || c == '\r' || c == '\n'; });
}

std::string FieldReader::text() { return std::string(nextField()); }

double FieldReader::number() { return toNumber(nextField()); }

Loose FieldReader::looseNumber()
{
    const std::string_view field = nextField();
    if (field.empty()) return {};
    return toNumber(field);
}

std::string_view FieldReader::nextField()
{
    ++fieldInRecord_;
    skipBlanks();
    // After a line end, blank lines do not count as fields.
    if (!afterComma_) {
        while (atLineEnd()) {
            skipLineEnd();
            skipBlanks();
        }
    }
    fieldLine_ = line_;
    if (pos_ == data_.size()) {
        if (!afterComma_) fail("the file ends inside the record", true);
        afterComma_ = false;  // a comma at the very end: one last empty field
        return {};
    }

    std::string_view field;
    if (data_[pos_] == '"') {
        const size_t close = data_.find('"', pos_ + 1);
        if (close == std::string::npos) fail("a quoted text has no closing quote");
        field = std::string_view(data_).substr(pos_ + 1, close - pos_ - 1);
        line_ += static_cast<int>(std::count(field.begin(), field.end(), '\n'));
        pos_ = close + 1;
        skipBlanks();
        if (pos_ < data_.size() && data_[pos_] != ',' && !atLineEnd()) fail("text after a closing quote");
    } else {
        const size_t start = pos_;
        while (pos_ < data_.size() && !endsBareField(data_[pos_])) ++pos_;
        size_t end = pos_;
        while (end > start && isBlank(data_[end - 1])) --end;
        field = std::string_view(data_).substr(start, end - start);
    }

    afterComma_ = pos_ < data_.size() && data_[pos_] == ',';
    if (afterComma_)
        ++pos_;
    else if (pos_ < data_.size())
        skipLineEnd();
    return field;
}

double FieldReader::toNumber(std::string_view field) const
{
    if (field.empty()) fail("an empty field where a number is expected");
    const char* first = field.data();
    const char* const last = first + field.size();
    // from_chars takes no plus sign; "+-1" must still fail.
    if (*first == '+' && field.size() > 1 && first[1] != '-') ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) fail("a number out of range (" + quoted(field) + ")");
    if (error != std::errc() || end != last || !std::isfinite(value))
        fail("text where a number is expected (" + quoted(field) + ")");
    return value;
}

void FieldReader::skipBlanks()
{
    while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;
}

bool FieldReader::atLineEnd() const { return pos_ < data_.size() && (data_[pos_] == '\n' || data_[pos_] == '\r'); }

// Passes one line end: LF, CR LF or a lone CR.
void FieldReader::skipLineEnd()
{
    if (data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

void FieldReader::fail(const std::string& problem, bool endOfData) const
{
    throw FileFault(problem, fieldLine_, fieldInRecord_, endOfData);
}

}  // namespace halvane
