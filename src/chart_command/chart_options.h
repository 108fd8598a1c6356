// The options of `halvane-chart`: the panel's settings by name, with the
// panel's defaults, and the picture to write.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart_command/film_pace.h"
#include "data/texts.h"
#include "ephemeris/precise_positions.h"
#include "panel/modes.h"
#include "util/command_line.h"

namespace halvane {

struct ChartRequest {
    // --help and --version answer without drawing anything.
    enum class Asked { Chart, Help, Version } asked = Asked::Chart;
    std::optional<DateArgument> date;  // default: today
    std::optional<ClockArgument> time, lag;  // default: now, 9:00
    std::optional<double> aimFirst, aimSecond;  // degrees; default 90, 0
    std::optional<double> magnification;  // default 20
    std::optional<double> times, interval;  // default 10, 10 days
    int selec = display::SkyEquatorial;
    int view = body::Sun;
    int see = body::FixedPoint;
    int sname = 0, con = 0, orbit = 0, preci = 0, gra = 0, color = 0, cross = 0;
    int norm = repeat::Single;
    int scene = 0;
    int je = English;
    int width = 1920, height = 1080;
    double dpi = 96;
    PositionModel model = PositionModel::Builtin;
    bool lightTime = false;  // precise model only
    std::optional<PlaceArgument> place;  // the observer on the Earth
    bool horizon = false;  // the horizon chart of `place`
    std::string out = "chart.png";
    FilmPace film;  // a film's frames, pace, length and sound
};

extern const char* const chartUsage;

struct ChartArguments {
    std::optional<ChartRequest> request;
    std::string error;  // why there is no request
};

// Each option as `--opt value` or `--opt=value`; or `--help` or `--version`
// alone. An unknown option, a missing value or a value out of its range
// gives no request and a one-line reason.
ChartArguments parseChartArguments(const std::vector<std::string>& args);

}  // namespace halvane
