#include "util/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace halvane {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

double Int(double q) { return std::floor(q); }

double IntOfScaled(double q)
{
    const double nearest = std::nearbyint(q);
    return std::abs(q - nearest) <= 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::abs(q)) ? nearest
                                                                                                            : Int(q);
}

double frac(double q) { return q - Int(q); }

double roundHalfEven(double q, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(q * scale) / scale;  // default rounding mode: half to even
}

namespace {

// `q` written by to_chars in `format` with `precision` digits: "." whatever
// the C locale.
std::string written(double q, std::chars_format format, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, q, format, precision);
    return std::string(buffer, result.ptr);
}

// Shortest general form with at most maxDigits significant digits that
// reads back to `q` as T; the last try keeps maxDigits anyway.
template <typename T> std::string shortestText(T q, int maxDigits)
{
    if (q == 0) return "0";
    if (!std::isfinite(q)) return std::isnan(q) ? "0" : (q > 0 ? "1E+308" : "-1E+308");
    std::string text;
    for (int digits = 1; digits <= maxDigits; ++digits) {
        text = written(static_cast<double>(q), std::chars_format::general, digits);
        T back{};
        std::from_chars(text.data(), text.data() + text.size(), back);
        if (back == q) break;
    }
    // The general form switches to an exponent below 1e-5 or from
    // 10^digits on; write ordinary magnitudes out in full instead.
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const char* exponentStart = text.data() + e + 1;
        if (*exponentStart == '+') ++exponentStart;
        int exponent = 0;
        std::from_chars(exponentStart, text.data() + text.size(), exponent);
        if (exponent >= -10 && exponent < maxDigits) {
            text = written(static_cast<double>(q), std::chars_format::fixed, std::max(0, maxDigits - 1 - exponent));
            if (text.find('.') != std::string::npos) {
                while (text.back() == '0') text.pop_back();
                if (text.back() == '.') text.pop_back();
            }
        } else {
            text[e] = 'E';
        }
    }
    return text;
}

// Whether a decimal text too far out for a double stands for a huge value
// rather than a tiny one: the power of ten of its leading digit is positive.
bool beyondLargest(std::string_view number)
{
    const size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos) return false;
    long long exponent = 0;
    if (e < number.size()) {
        const char* first = number.data() + e + 1;
        const char* const last = number.data() + number.size();
        const bool negative = *first == '-';
        if (*first == '+' || negative) ++first;
        if (std::from_chars(first, last, exponent).ec != std::errc()) exponent = 1'000'000'000;
        if (negative) exponent = -exponent;
    }
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto leading = static_cast<long long>(firstDigit);
    return (leading < point ? point - leading - 1 : point - leading) + exponent > 0;
}

// The value of a number text as numberPrefix finds it, read with "."
// whatever the C locale; a value too small for a double reads as 0, one too
// large as nothing.
std::optional<double> decimalValue(std::string_view number)
{
    const char* first = number.data();
    if (*first == '+') ++first;  // from_chars takes no plus sign
    double value = 0;
    const auto error = std::from_chars(first, number.data() + number.size(), value).ec;
    if (error == std::errc::result_out_of_range) {
        if (beyondLargest(number)) return std::nullopt;
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Length of the numeric prefix of `text` starting at `i` (sign, digits, one
// point, exponent); 0 when there is no digit.
size_t numberPrefix(std::string_view text, size_t i)
{
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i - start;
}

}  // namespace

std::string numberText(double q) { return shortestText(q, 15); }

std::string numberText(float q) { return shortestText(q, 7); }

std::optional<double> parseNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const size_t length = numberPrefix(text, i);
    if (length == 0) return std::nullopt;
    size_t end = i + length;
    while (end < text.size() && isBlank(text[end])) ++end;
    if (end != text.size()) return std::nullopt;
    return decimalValue(text.substr(i, length));
}

bool isNumeric(std::string_view text) { return parseNumber(text).has_value(); }

double leadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const size_t length = numberPrefix(text, i);
    if (length == 0) return 0.0;
    return decimalValue(text.substr(i, length)).value_or(0.0);
}

namespace {

template <typename T> std::string exactText(T q)
{
    std::string text = numberText(q);
    const auto back = parseNumber(text);
    if (!std::isfinite(q) || (back && static_cast<T>(*back) == q)) return text;
    char buffer[400];  // the longest fixed form of a double, 1.8e308 or 4.9e-324, fits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, q, std::chars_format::fixed);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : text;
}

}  // namespace

std::string exactNumberText(double q) { return exactText(q); }

std::string exactNumberText(float q) { return exactText(q); }

std::string Loose::text() const { return value_ ? numberText(*value_) : std::string(); }

std::optional<Loose> Loose::fromText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i == text.size()) return Loose();
    if (const auto value = parseNumber(text)) return Loose(*value);
    return std::nullopt;
}

}  // namespace halvane
