#include "util/command_line.h"

#include <charconv>

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

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

// Where the arguments would pair an option with the next option as its
// value, the first has none.
bool takesValue(const std::vector<std::string>& args, size_t k)
{
    return k + 1 < args.size() && !args[k + 1].starts_with("--");
}

bool hasValueInside(const std::string& arg) { return arg.starts_with("--") && arg.find('=') != std::string::npos; }

}  // namespace

std::optional<std::vector<CommandOption>> commandOptions(const std::vector<std::string>& args)
{
    std::vector<CommandOption> options;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (hasValueInside(arg))
            options.push_back({arg.substr(0, arg.find('=')), arg.substr(arg.find('=') + 1)});
        else if (takesValue(args, k))
            options.push_back({arg, args[++k]});
        else
            return std::nullopt;
    }
    return options;
}

std::string optionWithoutValue(const std::vector<std::string>& args)
{
    for (size_t k = 0; k < args.size(); ++k) {
        if (hasValueInside(args[k])) continue;
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
    if (!date || !inRange(date->numbers[0], 0, LatestArgumentYear) || !inRange(date->numbers[1], 1, 12)) return std::nullopt;
    const int year = date->negative ? -date->numbers[0] : date->numbers[0];
    if (!inRange(date->numbers[2], 1, daysInMonth(year, date->numbers[1]))) return std::nullopt;
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
    if (!lag || !inRange(lag->numbers[1], 0, 59) || lag->numbers[0] > 14 ||
        lag->numbers[0] * 60 + lag->numbers[1] > 14 * 60)
        return std::nullopt;
    const int sign = lag->negative ? -1 : 1;
    return ClockArgument{sign * lag->numbers[0], sign * lag->numbers[1]};
}

}  // namespace halvane
