#include "ephemeris/ecliptic_conversion.h"

namespace halvane {

SphericalAngles toEcliptic(double rightAscension, double declination)
{
    return anglesOf(equatorialToEcliptic()(unitVector(rightAscension, declination)));
}

}  // namespace halvane
