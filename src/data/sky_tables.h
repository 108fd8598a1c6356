// The tables filled from the data files: stars, named stars, constellation
// lines, geological ages and the demonstration script.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "util/numbers.h"

namespace halvane {

// Star table columns.
namespace star {
inline constexpr int RightAscension = 1;  // radians
inline constexpr int Declination = 2;  // radians
inline constexpr int Brightness = 3;  // linear brightness value
inline constexpr int ViewU = 4;  // view-centred offsets of a pass
inline constexpr int ViewV = 5;
inline constexpr int Longitude = 6;  // ecliptic, radians, [0, 2 pi)
inline constexpr int Latitude = 7;  // ecliptic, radians
inline constexpr int FirstRow = 101;  // catalogue records fill rows 101, 102, ...
inline constexpr int LastRow = 259097;
inline constexpr int Rows = LastRow + 1;
inline constexpr int NamedRows = 118;
inline constexpr int LineRows = 1001;
inline constexpr int LineRecords = 730;
}  // namespace star

// Constellation line table columns of end point 0; end point 1 is one
// column further on.
namespace line {
inline constexpr int RightAscension = 0;
inline constexpr int Declination = 2;
inline constexpr int Longitude = 8;
inline constexpr int Latitude = 10;
inline constexpr int ViewU = 4;  // view-centred offsets of a pass
inline constexpr int ViewV = 6;
}  // namespace line

using StarRow = std::array<double, 8>;

struct StarTables {
    // Rows 0 to 40 and 91 to 98 are body rows (indexed like the body
    // tables), catalogue stars fill the rows from 101 on.
    std::vector<StarRow> stars = std::vector<StarRow>(star::Rows);
    std::vector<std::string> spectralClass = std::vector<std::string>(star::Rows);  // one text per star row
    int lastCatalogueRow = star::FirstRow - 1;  // last row a catalogue record filled

    std::array<StarRow, star::NamedRows> named{};
    std::array<std::array<std::string, 4>, star::NamedRows> namedTexts;

    // Constellation lines: columns 0/1 right ascension of end points 0/1,
    // 2/3 declination, 4/5 and 6/7 view-centred offsets, 8/9 ecliptic
    // longitude, 10/11 ecliptic latitude.
    std::array<std::array<double, 12>, star::LineRows> lines{};
};

struct AgeTables {
    std::array<std::array<std::array<std::string, 23>, 3>, 2> names;  // language, column, row
    std::array<std::array<double, 23>, 3> thresholds{};  // column, row
};

// Scene parameters 1 to 21 of scenes 0 to 40 (parameter 0 is never set).
struct DemoScript {
    std::array<std::array<Loose, 41>, 22> parameters;  // parameter, scene
    int rowsRead = 0;  // rows 0 (titles) to rowsRead - 1 came from the file

    // Whether scene row `scene` (0 to 40) was read from the file.
    bool wasRead(int scene) const { return scene >= 0 && scene < rowsRead; }
};

}  // namespace halvane
