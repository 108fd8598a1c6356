#include "chart_command/chart_options.h"

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>

#include "ephemeris/day_count.h"
#include "panel/stepping.h"

namespace halvane {

const char* const chartUsage =
    "usage: halvane-chart [options] [--out FILE]\n"
    "       halvane-chart --help | --version\n"
    "Draws one click of the Halvane panel, every pass of its run, into FILE\n"
    "(.png, .svg or .pdf by its ending; default chart.png), or films every pass\n"
    "(.mp4, .mkv, .webm, or .webp for an animated picture). Options take their\n"
    "value as --opt value or --opt=value; each default is the panel's.\n"
    "  --date YYYY-MM-DD      date (default today)\n"
    "  --time HH:MM           local time (default now)\n"
    "  --lag [-]H:MM          local time minus Universal Time (default 9:00)\n"
    "  --display MODE         sky-equatorial, zodiac, orbit-1, orbit-2, orbit-3d, sky-ecliptic,\n"
    "                         or horizon: the sky above --place as a round chart\n"
    "  --view N               body looked from: 0 Sun, 1-9 Mercury to Pluto, 10 Moon,\n"
    "                         11-20 comets, 21-30 asteroids, 90 fixed point (default 0)\n"
    "  --follow N|none        body kept at the centre, numbered as --view (default none)\n"
    "  --aim DEG,DEG          aim point, the panel's first and second angle (default 90,0)\n"
    "  --magnification X      7.5 to 100000000 (default 20)\n"
    "  --names none|with|only         body names (default none)\n"
    "  --lines none|dark|bright       constellation lines (default none)\n"
    "  --bodies all|planets|comets|asteroids   (default all)\n"
    "  --precision high|normal        star precision (default high)\n"
    "  --brightness 0-5       star brightness (default 0)\n"
    "  --colour 0-4           star colour (default 0)\n"
    "  --rays 0-4             star rays (default 0)\n"
    "  --repeat single|sequential|overlay   (default single)\n"
    "  --times N              passes of a run (default 10)\n"
    "  --interval DAYS        days between passes (default 10)\n"
    "  --scene N              demonstration scene 1-40, 41 Saturn, 42 the medley (default none)\n"
    "  --lang en|ja           language of the chart (default en)\n"
    "  --size WxH             picture size in pixels (default 1920x1080)\n"
    "  --dpi N                dots per inch of the picture (default 96)\n"
    "  --model builtin|precise  the program's own orbits (default), or the Sun, Moon and\n"
    "                         planets Mercury to Pluto from VSOP87 and ELP 2000-82B, 1000 to 3000\n"
    "  --light-time           precise model: each body where it was when its light left it\n"
    "  --place LAT,LON[,M]    the observer: degrees north and east, metres; or a named place:\n"
    "                         tokyo, osaka, sapporo, naha, sydney, dallas, london, paris,\n"
    "                         new-york, los-angeles, honolulu, cape-town; with --model precise\n"
    "                         and --view 3 the sky is seen from there\n"
    "Films only:\n"
    "  --fps N                frames a second, 1-120 (default 25)\n"
    "  --pass-seconds S       how long each pass stays (default 0.2; the Saturn scene one frame)\n"
    "  --seconds S            the film's length at most; needed for At Random and the medley\n"
    "  --music                the music folder's pieces as the sound track (not for .webp)\n";

namespace {

std::optional<double> number(std::string_view text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The row of `text` among `words`.
std::optional<int> word(std::string_view text, std::initializer_list<std::string_view> words)
{
    int row = 0;
    for (const auto candidate : words) {
        if (text == candidate) return row;
        ++row;
    }
    return std::nullopt;
}

std::optional<int> wholeIn(std::string_view text, int low, int high)
{
    const auto value = wholeNumber(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

std::optional<int> bodyNumber(std::string_view text)
{
    const auto value = wholeNumber(text);
    if (!value || !body::isViewpointChoice(*value)) return std::nullopt;
    return value;
}

bool setRow(int& target, std::optional<int> row)
{
    if (row) target = *row;
    return row.has_value();
}

bool setNumber(std::optional<double>& target, std::optional<double> value, double low, double high)
{
    if (!value || *value < low || *value > high) return false;
    target = value;
    return true;
}

bool readAim(ChartRequest& r, std::string_view text)
{
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    return setNumber(r.aimFirst, number(text.substr(0, comma)), -360, 720)
        && setNumber(r.aimSecond, number(text.substr(comma + 1)), -90, 90);
}

bool readSize(ChartRequest& r, std::string_view text)
{
    const size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    const auto width = wholeIn(text.substr(0, x), 16, 10000), height = wholeIn(text.substr(x + 1), 16, 10000);
    if (!width || !height) return false;
    r.width = *width;
    r.height = *height;
    return true;
}

bool readOut(ChartRequest& r, std::string_view text)
{
    const bool known =
        text.ends_with(".png") || text.ends_with(".svg") || text.ends_with(".pdf") || filmFormat(text).has_value();
    if (known) r.out = text;
    return known;
}

using Reader = std::function<bool(ChartRequest&, std::string_view)>;

const std::map<std::string, Reader, std::less<>>& readers()
{
    static const std::map<std::string, Reader, std::less<>> table{
        {"--date",
         [](ChartRequest& r, std::string_view t) {
             r.date = dateArgument(t);
             return r.date && isCalendarDate(r.date->year, r.date->month, r.date->day);
         }},
        {"--time", [](ChartRequest& r, std::string_view t) { return (r.time = timeArgument(t)).has_value(); }},
        {"--lag", [](ChartRequest& r, std::string_view t) { return (r.lag = lagArgument(t)).has_value(); }},
        {"--display",
         [](ChartRequest& r, std::string_view t) {
             // Listed in the rows of the panel's display box; the horizon
             // chart is the command's own.
             r.horizon = t == "horizon";
             return r.horizon
                 || setRow(r.selec,
                           word(t, {"sky-equatorial", "zodiac", "orbit-2", "orbit-3d", "orbit-1", "sky-ecliptic"}));
         }},
        {"--view", [](ChartRequest& r, std::string_view t) { return setRow(r.view, bodyNumber(t)); }},
        {"--follow",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.see, t == "none" ? std::optional<int>(body::FixedPoint) : bodyNumber(t));
         }},
        {"--aim", readAim},
        {"--magnification",
         [](ChartRequest& r, std::string_view t) {
             return setNumber(r.magnification, number(t), SmallestMagnification, LargestMagnification);
         }},
        {"--names",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.sname, word(t, {"none", "with", "only"}));
         }},
        {"--lines",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.con, word(t, {"none", "dark", "bright"}));
         }},
        {"--bodies",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.orbit, word(t, {"all", "planets", "comets", "asteroids"}));
         }},
        {"--precision",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.preci, word(t, {"high", "normal"}));
         }},
        {"--brightness", [](ChartRequest& r, std::string_view t) { return setRow(r.gra, wholeIn(t, 0, 5)); }},
        {"--colour", [](ChartRequest& r, std::string_view t) { return setRow(r.color, wholeIn(t, 0, 4)); }},
        {"--rays", [](ChartRequest& r, std::string_view t) { return setRow(r.cross, wholeIn(t, 0, 4)); }},
        {"--repeat",
         [](ChartRequest& r, std::string_view t) {
             const auto row = word(t, {"single", "sequential", "overlay"});
             constexpr std::array<int, 3> modes{repeat::Single, repeat::Sequential, repeat::Overlay};
             return setRow(r.norm, row ? std::optional<int>(modes[static_cast<size_t>(*row)]) : std::nullopt);
         }},
        {"--times",
         [](ChartRequest& r, std::string_view t) {
             const auto times = wholeIn(t, 1, 100000);
             if (times) r.times = *times;
             return times.has_value();
         }},
        {"--interval", [](ChartRequest& r, std::string_view t) { return setNumber(r.interval, number(t), -1e6, 1e6); }},
        {"--scene", [](ChartRequest& r, std::string_view t) { return setRow(r.scene, wholeIn(t, 1, MedleyScene)); }},
        {"--lang",
         [](ChartRequest& r, std::string_view t) {
             return setRow(r.je, word(t, {"ja", "en"}));
         }},
        {"--size", readSize},
        {"--dpi",
         [](ChartRequest& r, std::string_view t) {
             std::optional<double> dpi;
             if (setNumber(dpi, number(t), 24, 1200)) r.dpi = *dpi;
             return dpi.has_value();
         }},
        {"--out", readOut},
        {"--place", [](ChartRequest& r, std::string_view t) { return (r.place = placeArgument(t)).has_value(); }},
        {"--fps", [](ChartRequest& r, std::string_view t) { return (r.film.fps = wholeIn(t, 1, 120)).has_value(); }},
        {"--pass-seconds",
         [](ChartRequest& r, std::string_view t) { return setNumber(r.film.passSeconds, number(t), 0.001, 3600); }},
        {"--music",
         [](ChartRequest& r, std::string_view) {
             r.film.music = true;
             return true;
         }},
        {"--seconds",
         [](ChartRequest& r, std::string_view t) { return setNumber(r.film.seconds, number(t), 0.001, 86400); }},
        {"--model",
         [](ChartRequest& r, std::string_view t) {
             const auto model = positionModelNamed(t);
             if (model) r.model = *model;
             return model.has_value();
         }},
        {"--light-time", [](ChartRequest& r, std::string_view) { return r.lightTime = true; }},
    };
    return table;
}

}  // namespace

ChartArguments parseChartArguments(const std::vector<std::string>& args)
{
    ChartRequest request;
    if (const auto asked = helpOrVersion(args)) {
        request.asked = *asked == "--help" ? ChartRequest::Asked::Help : ChartRequest::Asked::Version;
        return {request, {}};
    }
    const auto options = commandOptions(args, {"--light-time", "--music"});
    if (!options) {
        const std::string lacking = optionWithoutValue(args, {"--light-time", "--music"});
        if (lacking == "--help" || lacking == "--version") return {std::nullopt, lacking + " takes no other option"};
        return {std::nullopt, "option " + lacking + " needs a value"};
    }
    for (const auto& [name, value] : *options) {
        const auto reader = readers().find(name);
        if (reader == readers().end()) return {std::nullopt, "unknown option " + name};
        if (!reader->second(request, value)) {
            const std::string rule =
                name == "--out" ? " (the name must end in .png, .svg, .pdf, .mp4, .mkv, .webm or .webp)" : "";
            return {std::nullopt, "bad value for " + name + ": \"" + value + "\"" + rule};
        }
    }
    if (request.lightTime && request.model != PositionModel::Precise)
        return {std::nullopt, "--light-time needs --model precise"};
    if (request.horizon && !request.place)
        return {std::nullopt, "--display horizon needs --place LAT,LON[,HEIGHT_M] or a named place such as tokyo"};
    if (std::string problem = filmOptionProblem(request.film, request.out); !problem.empty())
        return {std::nullopt, problem};
    return {request, {}};
}

}  // namespace halvane
