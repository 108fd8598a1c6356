// The command lines both commands refuse, and the messages halvane-chart
// gives for the commonest slips.
#include "util/command_line.h"

#include <gtest/gtest.h>

#include "chart_command/chart_options.h"
#include "positions/positions_command.h"

namespace halvane {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, DatesThatDoNotExistLagsBeyondFourteenHoursAndFarYearsAreRefusedByBoth)
{
    const struct {
        std::string option, value;
    } bad[] = {
        {"--date", "2020-02-30"},     {"--date", "2021-02-29"},
        {"--date", "1900-02-29"},     {"--date", "2020-04-31"},
        {"--date", "2020-06-00"},     {"--date", "1000001-01-01"},
        {"--date", "-1000001-01-01"}, {"--date", "2147483647-01-01"},
        {"--lag", "14:01"},           {"--lag", "-14:30"},
        {"--lag", "15:00"},           {"--lag", "2147483647:00"},
    };
    for (const auto& c : bad) {
        const Args chart{c.option, c.value};
        Args positions{"--date", "2020-12-21", "--time", "18:00"};
        positions.insert(positions.end(), {c.option, c.value});
        EXPECT_FALSE(parseChartArguments(chart).request) << c.option << " " << c.value;
        EXPECT_FALSE(parsePositionsArguments(positions)) << c.option << " " << c.value;
    }
    const struct {
        std::string option, value;
    } good[] = {
        {"--date", "2000-02-29"}, {"--date", "2020-02-29"}, {"--date", "-4-02-29"}, {"--date", "1000000-12-31"},
        {"--date", "2021-12-31"}, {"--lag", "14:00"},       {"--lag", "-14:00"},    {"--lag", "-0:30"},
    };
    for (const auto& c : good) {
        EXPECT_TRUE(parseChartArguments({c.option, c.value}).request) << c.option << " " << c.value;
        EXPECT_TRUE(parsePositionsArguments({"--date", "2020-12-21", "--time", "18:00", c.option, c.value}))
            << c.option << " " << c.value;
    }
}

TEST(CommandLine, MessagesNameTheOptionWithoutAValueAndTheRuleOfTheFileName)
{
    const struct {
        Args args;
        std::string error;
    } cases[] = {
        {{"--date", "--out", "o.png"}, "option --date needs a value"},
        {{"--date", "--size", "320x200"}, "option --date needs a value"},
        {{"--out", "o.png", "--lang"}, "option --lang needs a value"},
        {{"--out", "chart.jpg"},
         "bad value for --out: \"chart.jpg\" (the name must end in .png, .svg, .pdf, .mp4, .mkv, .webm or .webp)"},
        {{"--help", "--version"}, "--help takes no other option"},
        {{"--date", "2020-01-01", "--help"}, "--help takes no other option"},
    };
    for (const auto& c : cases) EXPECT_EQ(parseChartArguments(c.args).error, c.error) << c.error;

    for (const Args& asked : {Args{"--help", "--help"}, Args{"--help", "--help", "--help"}}) {
        EXPECT_EQ(parseChartArguments(asked).request->asked, ChartRequest::Asked::Help);
        EXPECT_EQ(parsePositionsArguments(asked)->asked, PositionsRequest::Asked::Help);
    }
    EXPECT_EQ(parseChartArguments({"--version", "--version"}).request->asked, ChartRequest::Asked::Version);
}

}  // namespace
}  // namespace halvane
