#include "positions/positions_command.h"

#include <algorithm>
#include <charconv>

#include "ephemeris/angles.h"
#include "ephemeris/reference_points.h"
#include "render/positions.h"
#include "render/time_model.h"

namespace halvane {

using namespace body;

const char* const positionsUsage =
    "usage: halvane-positions --date YYYY-MM-DD --time HH:MM [--lag [-]H:MM] [--view N] [--data DIR]\n"
    "                         [--model builtin|precise]\n"
    "       halvane-positions --help | --version\n"
    "  options take their value as --opt value or --opt=value\n"
    "  --lag   local time minus Universal Time (default 9:00)\n"
    "  --view  viewpoint body: 0 to 30, or 90 for the fixed point (default 3, the Earth)\n"
    "  --data  folder holding comets.csv and asteroids.csv (default: the program's folder)\n"
    "  --model builtin: the program's own orbits (default); precise: the Sun, Moon and\n"
    "          planets Mercury to Neptune from ERFA, for the years 1000 to 3000\n";

namespace {

// A whole number written with digits only.
std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text.front() == '-') return std::nullopt;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

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

bool isViewpoint(int view) { return inRange(view, Sun, LastAsteroid) || view == FixedPoint; }

bool readDate(PositionsRequest& r, std::string_view text)
{
    const auto date = numberList(text, '-', 3);
    if (!date || !inRange(date->numbers[1], 1, 12) || !inRange(date->numbers[2], 1, 31)) return false;
    r.local.year = date->negative ? -date->numbers[0] : date->numbers[0];
    r.local.month = date->numbers[1];
    r.local.day = date->numbers[2];
    return true;
}

bool readTime(PositionsRequest& r, std::string_view text)
{
    const auto time = numberList(text, ':', 2);
    if (!time || time->negative || !inRange(time->numbers[0], 0, 23) || !inRange(time->numbers[1], 0, 59)) return false;
    r.local.hour = time->numbers[0];
    r.local.minute = time->numbers[1];
    return true;
}

bool readLag(PositionsRequest& r, std::string_view text)
{
    const auto lag = numberList(text, ':', 2);
    if (!lag || !inRange(lag->numbers[1], 0, 59)) return false;
    const int sign = lag->negative ? -1 : 1;
    r.lagHours = sign * lag->numbers[0];
    r.lagMinutes = sign * lag->numbers[1];
    return true;
}

bool readView(PositionsRequest& r, std::string_view text)
{
    const auto view = wholeNumber(text);
    if (!view || !isViewpoint(*view)) return false;
    r.view = *view;
    return true;
}

std::string csvText(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += c;
    }
    return quoted + "\"";
}

bool readFolder(PositionsRequest& r, std::string_view text)
{
    r.dataFolder = text;
    return !text.empty();
}

bool readModel(PositionsRequest& r, std::string_view text)
{
    if (text == "builtin") r.model = PositionModel::Builtin;
    else if (text == "precise") r.model = PositionModel::Precise;
    else return false;
    return true;
}

bool isReferencePoint(int i) { return i >= VernalEquinox && i <= LastReferencePoint; }

bool isPole(int i) { return i == NorthPole || i == SouthPole || i == EclipticNorthPole || i == EclipticSouthPole; }

// The longitude column: the body longitude table, or for a pole its radian
// longitude in degrees.
double longitudeColumnDeg(const SkyPositions& sky, int i)
{
    const auto at = static_cast<size_t>(i);
    return isPole(i) ? normalisedDeg(degreesFromRadians(sky.eclipticLongitude[at])) : sky.longitudeDegrees[at];
}

}  // namespace

std::optional<PositionsRequest> parsePositionsArguments(const std::vector<std::string>& args)
{
    PositionsRequest request;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "--version")) {
        request.asked = args[0] == "--help" ? PositionsRequest::Asked::Help : PositionsRequest::Asked::Version;
        return request;
    }
    bool hasDate = false, hasTime = false;
    for (size_t k = 0; k < args.size(); ++k) {
        std::string option = args[k];
        std::string value;
        if (const size_t equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (k + 1 < args.size()) {
            value = args[++k];
        } else {
            return std::nullopt;
        }
        bool good = false;
        if (option == "--date") good = hasDate = readDate(request, value);
        else if (option == "--time") good = hasTime = readTime(request, value);
        else if (option == "--lag") good = readLag(request, value);
        else if (option == "--view") good = readView(request, value);
        else if (option == "--data") good = readFolder(request, value);
        else if (option == "--model") good = readModel(request, value);
        if (!good) return std::nullopt;
    }
    if (!hasDate || !hasTime) return std::nullopt;
    return request;
}

std::vector<int> computeRequestedPositions(Halvane& h, const PositionsRequest& r)
{
    auto& v = h.vars;
    setDateVariables(v, r.local);
    v.Dho = r.lagHours;
    v.Dmi = r.lagMinutes;
    v.norm = repeat::Single;
    v.view = r.view;
    h.positionModel = r.model;
    computeTime(h, 0);
    std::vector<int> directed = computePositions(h);
    if (r.view != Earth) return directed;

    // Seen from the Earth the Moon keeps the direction of its own step.
    directed.insert(std::lower_bound(directed.begin(), directed.end(), Moon), Moon);
    earthViewStep(h.sky, h.time.Ti);
    for (int i = VernalEquinox; i <= LastReferencePoint; ++i) directed.push_back(i);
    return directed;
}

std::string positionsCsv(const Halvane& h, const std::vector<int>& bodies)
{
    std::string csv = "index,name_en,longitude_deg,latitude_deg,x_au,y_au,z_au\n";
    for (const int i : bodies) {
        const auto at = static_cast<size_t>(i);
        csv += std::to_string(i) + "," + csvText(h.texts.bodyNames[English][at]) + "," +
               numberText(longitudeColumnDeg(h.sky, i)) + "," + numberText(degreesFromRadians(h.sky.eclipticLatitude[at]));
        if (isReferencePoint(i))
            csv += ",,,";
        else
            csv += "," + numberText(h.bodies.x[at]) + "," + numberText(h.bodies.y[at]) + "," + numberText(h.bodies.z[at]);
        csv += "\n";
    }
    csv += "Ti," + numberText(h.time.Ti) + "\n";
    if (h.vars.view == Earth) csv += "katamuki," + numberText(h.sky.katamuki) + "\n";
    return csv;
}

}  // namespace halvane
