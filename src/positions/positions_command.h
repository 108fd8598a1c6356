// The `halvane-positions` command: one moment's body directions and
// positions as CSV text, computed exactly as a render pass computes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ephemeris/calendar_moment.h"
#include "panel/halvane.h"

namespace halvane {

struct PositionsRequest {
    // --help and --version answer without computing anything.
    enum class Asked { Positions, Help, Version } asked = Asked::Positions;
    CalendarMoment local;  // date and time
    int lagHours = 9, lagMinutes = 0;  // lag from UT, minutes signed like the hours
    int view = body::Earth;
    std::string dataFolder;  // empty: the program's own folder
    PositionModel model = PositionModel::Builtin;
    // Precise model only: light time, and the observer on the Earth.
    bool lightTime = false;
    std::optional<EarthPlace> place;
};

extern const char* const positionsUsage;

// `--date Y-M-D --time H:MM [--lag [-]H:MM] [--view N] [--data DIR]
// [--model builtin|precise] [--light-time] [--place LAT,LON[,M]|NAME]`, each
// option as `--opt value` or `--opt=value`; or `--help` or `--version`
// alone. Nothing when an option is unknown, has no value, or its value is
// malformed or out of range, when --date or --time is missing, or when
// --light-time or --place comes without --model precise. N is a body 0 to
// 30 or 90.
std::optional<PositionsRequest> parsePositionsArguments(const std::vector<std::string>& args);

// Puts the request's moment and viewpoint into the form state and runs the
// time computation with the element update, the position computation and,
// for the Earth, the Earth-view step. Returns, in order, every body that
// received a direction, the reference points included.
std::vector<int> computeRequestedPositions(Halvane& h, const PositionsRequest& request);

// `index,name_en,longitude_deg,latitude_deg,x_au,y_au,z_au` for `bodies`
// (no coordinates for the reference points; the four poles, which hold a
// longitude in radians only, show it turned into degrees in [0, 360)), then
// `Ti` and, seen from the Earth, `katamuki`. With a place and the Earth as
// viewpoint, every row adds `altitude_deg,azimuth_deg` at that place
// (azimuth from north through east; geometric, no refraction).
std::string positionsCsv(const Halvane& h, const std::vector<int>& bodies);

}  // namespace halvane
