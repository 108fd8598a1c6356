#include "util/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "util/numbers.h"

namespace halvane {

namespace {

// Exactly `count` whole numbers between `separator`s, after an optional
// minus sign that is given apart, so that "-0:30" keeps it.
struct NumberList {
    bool negative = false;
    std::vector<int> numbers;
};

std::optional<NumberList> numberList(std::string_view text, char separator, size_t count)
{
    NumberList list;
    if (text.starts_with('-')) {
        list.negative = true;
        text.remove_prefix(1);
    }
    for (size_t start = 0;;) {
        const size_t end = text.find(separator, start);
        const auto number = wholeNumber(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (!number) return std::nullopt;
        list.numbers.push_back(*number);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (list.numbers.size() != count) return std::nullopt;
    return list;
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

struct NamedPlace {
    std::string_view key, englishName, japaneseName;
    EarthPlace place;
};

// City centres, heights rounded to ten metres.
constexpr std::array namedPlaces{
    NamedPlace{"tokyo", "Tokyo", "東京", {35.6895, 139.6917, 40}},
    NamedPlace{"osaka", "Osaka", "大阪", {34.6937, 135.5023, 10}},
    NamedPlace{"sapporo", "Sapporo", "札幌", {43.0618, 141.3545, 20}},
    NamedPlace{"naha", "Naha", "那覇", {26.2124, 127.6809, 10}},
    NamedPlace{"sydney", "Sydney", "シドニー", {-33.8688, 151.2093, 40}},
    NamedPlace{"dallas", "Dallas", "ダラス", {32.78, -96.80, 140}},
    NamedPlace{"london", "London", "ロンドン", {51.5074, -0.1278, 20}},
    NamedPlace{"paris", "Paris", "パリ", {48.8566, 2.3522, 40}},
    NamedPlace{"new-york", "New York", "ニューヨーク", {40.7128, -74.0060, 10}},
    NamedPlace{"los-angeles", "Los Angeles", "ロサンゼルス", {34.0522, -118.2437, 90}},
    NamedPlace{"honolulu", "Honolulu", "ホノルル", {21.3069, -157.8583, 10}},
    NamedPlace{"cape-town", "Cape Town", "ケープタウン", {-33.9249, 18.4241, 10}},
};

bool sameLetters(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<double> numberWithin(std::string_view text, double low, double high)
{
    const auto number = parseNumber(text);
    if (!number || !(*number >= low && *number <= high)) return std::nullopt;
    return number;
}

// Where the arguments would pair an option with the next option as its
// value, the first has none.
bool takesValue(const std::vector<std::string>& args, size_t k)
{
    return k + 1 < args.size() && !args[k + 1].starts_with("--");
}

bool hasValueInside(const std::string& arg) { return arg.starts_with("--") && arg.find('=') != std::string::npos; }

}  // namespace

std::optional<std::vector<CommandOption>> commandOptions(const std::vector<std::string>& args,
                                                         const std::vector<std::string_view>& switches)
{
    std::vector<CommandOption> options;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (std::find(switches.begin(), switches.end(), arg) != switches.end())
            options.push_back({arg, ""});
        else if (hasValueInside(arg))
            options.push_back({arg.substr(0, arg.find('=')), arg.substr(arg.find('=') + 1)});
        else if (takesValue(args, k))
            options.push_back({arg, args[++k]});
        else
            return std::nullopt;
    }
    return options;
}

std::string optionWithoutValue(const std::vector<std::string>& args, const std::vector<std::string_view>& switches)
{
    for (size_t k = 0; k < args.size(); ++k) {
        if (hasValueInside(args[k]) || std::find(switches.begin(), switches.end(), args[k]) != switches.end()) continue;
        if (!takesValue(args, k)) return args[k];
        ++k;
    }
    return {};
}

std::optional<std::string> helpOrVersion(const std::vector<std::string>& args)
{
    if (args.empty() || (args[0] != "--help" && args[0] != "--version")) return std::nullopt;
    for (const std::string& arg : args)
        if (arg != args[0]) return std::nullopt;
    return args[0];
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text.front() == '-') return std::nullopt;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<DateArgument> dateArgument(std::string_view text)
{
    const auto date = numberList(text, '-', 3);
    if (!date || !inRange(date->numbers[0], 0, LatestArgumentYear) || !inRange(date->numbers[1], 1, 12))
        return std::nullopt;
    const int year = date->negative ? -date->numbers[0] : date->numbers[0];
    if (!inRange(date->numbers[2], 1, 31)) return std::nullopt;
    return DateArgument{year, date->numbers[1], date->numbers[2]};
}

std::optional<ClockArgument> timeArgument(std::string_view text)
{
    const auto time = numberList(text, ':', 2);
    if (!time || time->negative || !inRange(time->numbers[0], 0, 23) || !inRange(time->numbers[1], 0, 59))
        return std::nullopt;
    return ClockArgument{time->numbers[0], time->numbers[1]};
}

std::optional<ClockArgument> lagArgument(std::string_view text)
{
    const auto lag = numberList(text, ':', 2);
    if (!lag || !inRange(lag->numbers[1], 0, 59) || lag->numbers[0] > 14
        || lag->numbers[0] * 60 + lag->numbers[1] > 14 * 60)
        return std::nullopt;
    const int sign = lag->negative ? -1 : 1;
    return ClockArgument{sign * lag->numbers[0], sign * lag->numbers[1]};
}

std::optional<PlaceArgument> placeArgument(std::string_view text)
{
    for (const NamedPlace& named : namedPlaces)
        if (sameLetters(text, named.key)) return PlaceArgument{named.place, named.englishName, named.japaneseName};

    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    const auto latitude = numberWithin(parts[0], -90, 90);
    const auto longitude = numberWithin(parts[1], -180, 180);
    const auto height = parts.size() == 3 ? numberWithin(parts[2], -1000, 100000) : 0.0;
    if (!latitude || !longitude || !height) return std::nullopt;
    return PlaceArgument{{*latitude, *longitude, *height}, {}, {}};
}

}  // namespace halvane
