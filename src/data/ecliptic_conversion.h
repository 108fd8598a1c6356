// Equatorial to ecliptic angles, and the conversion of every star, named
// star and constellation line end point once the catalogue is in memory.
#pragma once

#include "data/sky_tables.h"

namespace halvane {

struct EclipticAngles {
    double longitude;  // radians, 0 to 2 p0
    double latitude;   // radians
};

// Turns right ascension and declination (radians) by the negative obliquity
// about the equinox line.
EclipticAngles toEcliptic(double rightAscension, double declination);

// The three passes at the first activation: star rows 100 to the last (read
// or not), named-star rows 1 to 117, and both end points of line records 1
// to 730.
void convertToEcliptic(StarTables& tables);

}  // namespace halvane
