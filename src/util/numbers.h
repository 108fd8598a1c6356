// Small numeric helpers shared by every part of the program: floor-style Int,
// the fractional part, loose panel numbers and their text form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvane {

// The largest whole number not above q, also for negative q (Int(-2.5) = -3).
double Int(double q);

// Int of a product such as 100 * 0.29 that is meant to be whole: binary
// fractions put it a hair below (28.999999999999996), and a plain floor would
// lose a whole step. Within a few units of the last place of a whole number,
// that number counts.
double IntOfScaled(double q);

// q - Int(q): always in [0, 1).
double frac(double q);

// Rounds to `decimals` places, halves going to the even neighbour.
double roundHalfEven(double q, int decimals);

// Shortest decimal text that reads back to the same double, at most 15
// significant digits, no trailing zeros, no exponent for ordinary magnitudes:
// 90 -> "90", 0.015 -> "0.015".
std::string numberText(double q);

// The same for single precision values (at most 7 significant digits).
std::string numberText(float q);

// numberText when that reads back to exactly q; otherwise as many digits as
// it takes (up to 17, 9 for single precision), still without an exponent.
// For values that must survive being written and read again.
std::string exactNumberText(double q);
std::string exactNumberText(float q);

// A space or a tab: the blanks a number or a field may have around it.
bool isBlank(char c);

// The lenient numeric test: optional blanks, a sign, digits with at most one
// decimal point, an optional exponent, blanks again. "" and "-" are not numbers.
bool isNumeric(std::string_view text);

// The number a text holds when it passes isNumeric, otherwise nothing.
std::optional<double> parseNumber(std::string_view text);

// The leading number of a text, the rest ignored; a text with no leading
// number gives 0 ("12abc" -> 12, "" -> 0, "x" -> 0).
double leadingNumber(std::string_view text);

// A panel or settings number: empty (reads as 0), whole or real.
class Loose {
public:
    Loose() = default;
    Loose(double value) : value_(value) {}  // NOLINT: numbers convert freely

    bool empty() const { return !value_.has_value(); }
    double value() const { return value_.value_or(0.0); }
    operator double() const { return value(); }  // NOLINT: reads as a number

    // "" when empty, otherwise numberText of the value.
    std::string text() const;

    // "" (or blanks) gives an empty value; a number gives that number; any
    // other text gives nothing, so the caller decides what to keep.
    static std::optional<Loose> fromText(std::string_view text);

    bool operator==(const Loose&) const = default;

private:
    std::optional<double> value_;
};

}  // namespace halvane
