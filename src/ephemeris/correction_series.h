// Series of terms t^power (cosine cos m L + sine sin m L), t in Julian
// centuries from J2000 TT and L a planet's mean longitude: the shape of the
// empirical corrections to VSOP87's outer planets (a term with no multiple
// of L is a plain power of the time).
#pragma once

#include <span>

namespace halvane {

struct SeriesTerm {
    int power = 0;  // of the time
    int multiple = 0;  // of the mean longitude
    double cosine = 0, sine = 0;
};

// A mean longitude on the ecliptic and equinox of J2000: degrees at J2000
// and per Julian century.
struct MeanLongitude {
    double atJ2000 = 0, perCentury = 0;
};

// Given: a Julian Date in Terrestrial Time. Returns: Julian centuries from
// J2000, the series' time.
double centuriesFromJ2000(double julianDateTt);

// Given: the terms, the mean longitude they turn with and the time, Julian
// centuries from J2000. Returns: their sum, in the terms' units.
double sumOfTerms(std::span<const SeriesTerm> terms, const MeanLongitude& longitude, double centuries);

}  // namespace halvane
