#include "util/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <type_traits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace halvane {

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

// Shortest "%.*g" form with at most maxDigits significant digits that reads
// back to `q` when parsed as T; the last try keeps maxDigits anyway.
template <typename T>
std::string shortestText(T q, int maxDigits)
{
    if (q == 0) return "0";
    if (!std::isfinite(q)) return std::isnan(q) ? "0" : (q > 0 ? "1E+308" : "-1E+308");
    char buffer[64];
    for (int digits = 1; digits <= maxDigits; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(q));
        T back{};
        if constexpr (std::is_same_v<T, float>) back = std::strtof(buffer, nullptr);
        else back = std::strtod(buffer, nullptr);
        if (back == q) break;
    }
    std::string text = buffer;
    // "%g" switches to an exponent below 1e-5 or from 10^digits on; write
    // ordinary magnitudes out in full instead.
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const int exponent = std::atoi(text.c_str() + e + 1);
        if (exponent >= -10 && exponent < maxDigits) {
            std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, maxDigits - 1 - exponent),
                          static_cast<double>(q));
            text = buffer;
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

bool isBlank(char c) { return c == ' ' || c == '\t'; }

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
    const std::string digits(text.substr(i, length));
    const double value = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool isNumeric(std::string_view text) { return parseNumber(text).has_value(); }

double leadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    const size_t length = numberPrefix(text, i);
    if (length == 0) return 0.0;
    const double value = std::strtod(std::string(text.substr(i, length)).c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

namespace {

template <typename T>
std::string exactText(T q)
{
    std::string text = numberText(q);
    const auto back = parseNumber(text);
    if (!std::isfinite(q) || (back && static_cast<T>(*back) == q)) return text;
    char buffer[400];  // the longest fixed form of a double, 1.8e308 or 4.9e-324, fits
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, q, std::chars_format::fixed);
    return written.ec == std::errc() ? std::string(buffer, written.ptr) : text;
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
