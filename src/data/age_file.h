// The age file "age.dat": 22 geological ages, oldest first, each with a
// first and a second name in Japanese and English and two numbers.
#pragma once

#include <string>

#include "data/sky_tables.h"
#include "util/messages.h"

namespace halvane {

// Fills rows 1 to 22 of the age name table (columns 1, 2, both languages)
// and of the age threshold table (columns 1, 2). A missing file is reported
// and the tables stay empty; a damaged one is reported and the rows before
// the damage are kept.
void readAges(AgeTables& ages, const std::string& folder, Messages& messages);

}  // namespace halvane
