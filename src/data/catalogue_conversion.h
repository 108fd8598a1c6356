// The ecliptic angles of every star, named star and constellation line end
// point, worked out once when the catalogue is in memory.
#pragma once

#include "data/sky_tables.h"

namespace halvane {

// The three passes at the first activation: star rows 100 to the last one
// read (the rows after it keep their zero angles, which convert to zero),
// named-star rows 1 to 117, and both end points of line records 1 to 730.
void convertToEcliptic(StarTables& tables);

}  // namespace halvane
