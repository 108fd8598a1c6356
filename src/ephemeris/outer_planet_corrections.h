// Empirical corrections that bring VSOP87's Uranus and Neptune onto JPL's
// DE431 over 1900 to 2100 (VSOP87 was fitted to the older DE200). The
// coefficients are written by tools/outer-planet-fit.
#pragma once

namespace halvane {

// What to add to a theory's heliocentric longitude and latitude (radians)
// and distance (AU) on the ecliptic and equinox of J2000.
struct HeliocentricCorrection {
    double longitude = 0, latitude = 0, distance = 0;
};

// Given: a Julian Date in Terrestrial Time and a body index. Returns: the
// correction to VSOP87's position of Uranus or Neptune; nothing for any
// other body. Outside the fitted dates the correction holds its value at
// the nearer end, so it stays bounded and continuous where no data are.
HeliocentricCorrection outerPlanetCorrection(double julianDateTt, int body);

}  // namespace halvane
