// The geological age of the displayed moment, named from the age table.
#pragma once

#include <string>

#include "data/sky_tables.h"

namespace halvane {

// "現在"/"Present" within 0.01 year of the present moment `Ti0`; otherwise
// the two names of the first age row (oldest first) whose number of years
// the moment `Ti` lies further back than, and then, when the moment is more
// than a year away, " -12000 years" (whole years, negative in the past).
std::string geologicalAgeLine(const AgeTables& ages, int je, double Ti, double Ti0);

}  // namespace halvane
