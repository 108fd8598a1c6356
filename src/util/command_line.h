// The command-line forms the programs share: options as `--opt value` or
// `--opt=value`, dates, times of day and time lags.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

struct CommandOption {
    std::string name;  // with its leading "--"
    std::string value;
};

// The arguments as option and value pairs; nothing when an option has no
// value (it is the last argument, or an option follows it).
std::optional<std::vector<CommandOption>> commandOptions(const std::vector<std::string>& args);

// The first option of `args` that has no value, for the message when
// commandOptions gives nothing.
std::string optionWithoutValue(const std::vector<std::string>& args);

// "--help" or "--version" when that is the only argument, perhaps repeated.
std::optional<std::string> helpOrVersion(const std::vector<std::string>& args);

// A whole number written with digits only.
std::optional<int> wholeNumber(std::string_view text);

struct DateArgument {
    int year, month, day;
};
// The years a date argument may name: the calendar's year search settles
// within a few hundred rounds there, and each of their minutes is exact.
inline constexpr int LatestArgumentYear = 1'000'000;

// `[-]Y-M-D`, a day that exists in the proleptic Gregorian calendar, the
// year within ±LatestArgumentYear.
std::optional<DateArgument> dateArgument(std::string_view text);

struct ClockArgument {
    int hours, minutes;  // both carry the sign of a lag
};
// `H:MM`, 0:00 to 23:59.
std::optional<ClockArgument> timeArgument(std::string_view text);
// `[-]H:MM` with minutes 0 to 59, at most 14:00 either way (the lags of
// the world's time zones); "-0:30" keeps its sign in the minutes.
std::optional<ClockArgument> lagArgument(std::string_view text);

}  // namespace halvane
