// The command-line forms the programs share: options as `--opt value` or
// `--opt=value`, dates, times of day and time lags.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/earth_place.h"

namespace halvane {

struct CommandOption {
    std::string name;  // with its leading "--"
    std::string value;
};

// The arguments as option and value pairs; nothing when the last option has
// no value. The `switches` take no value: theirs is empty.
std::optional<std::vector<CommandOption>> commandOptions(const std::vector<std::string>& args,
                                                         const std::vector<std::string_view>& switches = {});

// The first option of `args` that has no value, for the message when
// commandOptions gives nothing.
std::string optionWithoutValue(const std::vector<std::string>& args,
                               const std::vector<std::string_view>& switches = {});

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

// `[-]Y-M-D`, a day 1 to 31, the year within ±LatestArgumentYear; whether
// the day exists in its month is the calendar's to say (isCalendarDate).
std::optional<DateArgument> dateArgument(std::string_view text);

struct ClockArgument {
    int hours, minutes;  // both carry the sign of a lag
};
// `H:MM`, 0:00 to 23:59.
std::optional<ClockArgument> timeArgument(std::string_view text);
// `[-]H:MM` with minutes 0 to 59, at most 14:00 either way (the lags of
// the world's time zones); "-0:30" keeps its sign in the minutes.
std::optional<ClockArgument> lagArgument(std::string_view text);

struct PlaceArgument {
    EarthPlace place;
    // A named place's names; empty for a place given by its numbers.
    std::string_view englishName, japaneseName;
};
// `LAT,LON[,HEIGHT_M]`: degrees, north and east positive (latitude -90 to
// 90, longitude -180 to 180), metres (-1000 to 100000, 0 when left out); or
// a named place, case-insensitive: tokyo, osaka, sapporo, naha, sydney,
// dallas, london, paris, new-york, los-angeles, honolulu, cape-town.
std::optional<PlaceArgument> placeArgument(std::string_view text);

}  // namespace halvane
