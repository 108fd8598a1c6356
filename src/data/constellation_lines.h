// The constellation line file "conl.dat": 730 records of four numbers, the
// right ascension and declination of a line's first and second star.
#pragma once

#include <string>

#include "data/sky_tables.h"
#include "util/messages.h"

namespace halvane {

// Stores the records in line rows 1 to 730, columns 0, 2, 1, 3 in file order;
// anything after the 730th record is ignored. A missing file is reported and
// no lines are drawn; a short or damaged one is reported and the records
// before the damage are kept.
void readConstellationLines(StarTables& tables, const std::string& folder, Messages& messages);

}  // namespace halvane
