// The named-star file "stelladata.dat": 89 constellation labels (Japanese
// name, three English lines, right ascension, declination) followed by 21
// bright stars (Japanese and English name, right ascension, declination).
#pragma once

#include <string>

#include "data/sky_tables.h"
#include "util/messages.h"

namespace halvane {

// Fills named-star rows 1 to 110: texts and columns 1, 2 (radians as read).
// A missing file is reported and the tables stay empty; a damaged one is
// reported and the rows before the damage are kept.
void readNamedStars(StarTables& tables, const std::string& folder, Messages& messages);

}  // namespace halvane
