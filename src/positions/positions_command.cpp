#include "positions/positions_command.h"

#include <algorithm>

#include "ephemeris/angles.h"
#include "ephemeris/day_count.h"
#include "ephemeris/ecliptic_conversion.h"
#include "ephemeris/observer.h"
#include "ephemeris/reference_points.h"
#include "render/positions.h"
#include "render/time_model.h"
#include "util/command_line.h"

namespace halvane {

using namespace body;

const char* const positionsUsage =
    "usage: halvane-positions --date YYYY-MM-DD --time HH:MM [--lag [-]H:MM] [--view N] [--data DIR]\n"
    "                         [--model builtin|precise] [--light-time] [--place LAT,LON[,HEIGHT_M]|NAME]\n"
    "       halvane-positions --help | --version\n"
    "  options take their value as --opt value or --opt=value\n"
    "  --lag   local time minus Universal Time (default 9:00)\n"
    "  --view  viewpoint body: 0 to 30, or 90 for the fixed point (default 3, the Earth)\n"
    "  --data  folder holding comets.csv and asteroids.csv (default: the program's folder)\n"
    "  --model builtin: the program's own orbits (default); precise: the Sun, Moon and\n"
    "          planets Mercury to Pluto from VSOP87 and ELP 2000-82B, for the years 1000 to 3000\n"
    "  --light-time  precise model: each body where it was when its light left it\n"
    "  --place  precise model, seen from the Earth: the observer at a place, degrees north\n"
    "          and east and metres, or a named place (tokyo, sydney, dallas, ...); adds\n"
    "          the altitude and azimuth of every body\n";

namespace {

bool readDate(PositionsRequest& r, std::string_view text)
{
    const auto date = dateArgument(text);
    if (!date || !isCalendarDate(date->year, date->month, date->day)) return false;
    r.local.year = date->year;
    r.local.month = date->month;
    r.local.day = date->day;
    return true;
}

bool readTime(PositionsRequest& r, std::string_view text)
{
    const auto time = timeArgument(text);
    if (!time) return false;
    r.local.hour = time->hours;
    r.local.minute = time->minutes;
    return true;
}

bool readLag(PositionsRequest& r, std::string_view text)
{
    const auto lag = lagArgument(text);
    if (!lag) return false;
    r.lagHours = lag->hours;
    r.lagMinutes = lag->minutes;
    return true;
}

bool readView(PositionsRequest& r, std::string_view text)
{
    const auto view = wholeNumber(text);
    if (!view || !isViewpointChoice(*view)) return false;
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
    const auto model = positionModelNamed(text);
    if (model) r.model = *model;
    return model.has_value();
}

bool readPlace(PositionsRequest& r, std::string_view text)
{
    const auto place = placeArgument(text);
    if (place) r.place = place->place;
    return place.has_value();
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

// ",altitude,azimuth" of entry `i`'s direction, degrees.
std::string horizontalColumns(const ObserverSky& observer, const SkyPositions& sky, int i)
{
    const auto at = static_cast<size_t>(i);
    const Xyz ecliptic = unitVector(sky.eclipticLongitude[at], sky.eclipticLatitude[at]);
    const HorizontalAngles seen = observer.horizontal(eclipticToEquatorial()(ecliptic));
    return "," + numberText(degreesFromRadians(seen.altitude)) + "," + numberText(degreesFromRadians(seen.azimuth));
}

}  // namespace

std::optional<PositionsRequest> parsePositionsArguments(const std::vector<std::string>& args)
{
    PositionsRequest request;
    if (const auto asked = helpOrVersion(args)) {
        request.asked = *asked == "--help" ? PositionsRequest::Asked::Help : PositionsRequest::Asked::Version;
        return request;
    }
    const auto options = commandOptions(args, {"--light-time"});
    if (!options) return std::nullopt;
    bool hasDate = false, hasTime = false;
    for (const auto& [option, value] : *options) {
        bool good = false;
        if (option == "--date")
            good = hasDate = readDate(request, value);
        else if (option == "--time")
            good = hasTime = readTime(request, value);
        else if (option == "--lag")
            good = readLag(request, value);
        else if (option == "--view")
            good = readView(request, value);
        else if (option == "--data")
            good = readFolder(request, value);
        else if (option == "--model")
            good = readModel(request, value);
        else if (option == "--light-time")
            good = request.lightTime = true;
        else if (option == "--place")
            good = readPlace(request, value);
        if (!good) return std::nullopt;
    }
    if (!hasDate || !hasTime) return std::nullopt;
    if ((request.lightTime || request.place) && request.model != PositionModel::Precise) return std::nullopt;
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
    h.lightTime = r.lightTime;
    h.place = r.place;
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
    std::optional<ObserverSky> observer;
    if (h.place && h.vars.view == Earth) observer.emplace(*h.place, h.time.Ti);
    std::string csv = "index,name_en,longitude_deg,latitude_deg,x_au,y_au,z_au";
    csv += observer ? ",altitude_deg,azimuth_deg\n" : "\n";
    for (const int i : bodies) {
        const auto at = static_cast<size_t>(i);
        csv += std::to_string(i) + "," + csvText(h.texts.bodyNames[English][at]) + ","
            + numberText(longitudeColumnDeg(h.sky, i)) + ","
            + numberText(degreesFromRadians(h.sky.eclipticLatitude[at]));
        if (isReferencePoint(i))
            csv += ",,,";
        else
            csv +=
                "," + numberText(h.bodies.x[at]) + "," + numberText(h.bodies.y[at]) + "," + numberText(h.bodies.z[at]);
        if (observer) csv += horizontalColumns(*observer, h.sky, i);
        csv += "\n";
    }
    csv += "Ti," + numberText(h.time.Ti) + "\n";
    if (h.vars.view == Earth) csv += "katamuki," + numberText(h.sky.katamuki) + "\n";
    return csv;
}

}  // namespace halvane
