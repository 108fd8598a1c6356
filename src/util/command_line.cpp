#include "util/command_line.h"

#include <algorithm>
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

}  // namespace

std::optional<std::vector<CommandOption>> commandOptions(const std::vector<std::string>& args,
                                                         const std::vector<std::string_view>& switches)
{
    std::vector<CommandOption> options;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (std::find(switches.begin(), switches.end(), arg) != switches.end())
            options.push_back({arg, ""});
        else if (const size_t equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos)
            options.push_back({arg.substr(0, equals), arg.substr(equals + 1)});
        else if (k + 1 < args.size())
            options.push_back({arg, args[++k]});
        else
            return std::nullopt;
    }
    return options;
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
    if (!date || !inRange(date->numbers[1], 1, 12) || !inRange(date->numbers[2], 1, 31)) return std::nullopt;
    return DateArgument{date->negative ? -date->numbers[0] : date->numbers[0], date->numbers[1], date->numbers[2]};
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
    if (!lag || !inRange(lag->numbers[1], 0, 59)) return std::nullopt;
    const int sign = lag->negative ? -1 : 1;
    return ClockArgument{sign * lag->numbers[0], sign * lag->numbers[1]};
}

}  // namespace halvane
