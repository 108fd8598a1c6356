// The main star catalogue "starsdata.dat": right ascension x 100 and
// declination x 100 (radians), a linear brightness value and a spectral
// class text per record, brightest first.
#pragma once

#include <string>

#include "data/sky_tables.h"
#include "util/messages.h"

namespace halvane {

// Fills star rows 101, 102, ... in file order and the spectral class of
// each; the rows below 101 are left as they are. The program cannot run without the catalogue: a
// missing, unreadable, damaged or overlong file is reported and ends the
// program (ProgramEnd).
void readStarCatalogue(StarTables& tables, const std::string& folder, Messages& messages);

}  // namespace halvane
