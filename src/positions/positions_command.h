// The `halvane-positions` command: one moment's body directions and
// positions as CSV text, computed exactly as a render pass computes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "panel/halvane.h"
#include "ephemeris/calendar_moment.h"

namespace halvane {

struct PositionsRequest {
    // --help and --version answer without computing anything.
    enum class Asked { Positions, Help, Version } asked = Asked::Positions;
    CalendarMoment local;               // date and time
    int lagHours = 9, lagMinutes = 0;  // lag from UT, minutes signed like the hours
    int view = body::Earth;
    std::string dataFolder;  // empty: the program's own folder
    PositionModel model = PositionModel::Builtin;
};

extern const char* const positionsUsage;

// `--date Y-M-D --time H:MM [--lag [-]H:MM] [--view N] [--data DIR]
// [--model builtin|precise]`, each option as `--opt value` or
// `--opt=value`; or `--help` or `--version` alone. Nothing when an option is unknown, has no value, or its value is
// malformed or out of range, or when --date or --time is missing. N is a body
// 0 to 30 or 90.
std::optional<PositionsRequest> parsePositionsArguments(const std::vector<std::string>& args);

// Puts the request's moment and viewpoint into the form state and runs the
// time computation with the element update, the position computation and,
// for the Earth, the Earth-view step. Returns, in order, every body that
// received a direction, the reference points included.
std::vector<int> computeRequestedPositions(Halvane& h, const PositionsRequest& request);

// `index,name_en,longitude_deg,latitude_deg,x_au,y_au,z_au` for `bodies`
// (no coordinates for the reference points; the four poles, which hold a
// longitude in radians only, show it turned into degrees in [0, 360)), then
// `Ti` and, seen from the Earth, `katamuki`.
std::string positionsCsv(const Halvane& h, const std::vector<int>& bodies);

}  // namespace halvane
