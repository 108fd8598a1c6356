// Equatorial to ecliptic angles in the catalogue's frame (the equinox of
// 2000, obliquity 23.44 degrees).
#pragma once

#include "ephemeris/constants.h"
#include "ephemeris/vector.h"

namespace halvane {

// The turn that takes equatorial directions into ecliptic ones.
inline const XRotation& equatorialToEcliptic()
{
    static const XRotation turn(negativeObliquity);
    return turn;
}

// The turn back, from ecliptic directions to equatorial ones.
inline const XRotation& eclipticToEquatorial()
{
    static const XRotation turn(-negativeObliquity);
    return turn;
}

// Given: right ascension and declination, radians. Returns: ecliptic
// longitude in [0, 2 p0) and latitude, radians.
SphericalAngles toEcliptic(double rightAscension, double declination);

}  // namespace halvane
