#include "charts/sky_transforms.h"

#include "ephemeris/vector.h"

namespace halvane {

double displayObliquityRad(int selec) { return isEquatorialView(selec) ? negativeObliquity : 0.0; }

DisplayAngles eclipticToDisplayFrame(double longitudeRad, double latitudeRad, double obliquityRad)
{
    const Xyz p = XRotation(-obliquityRad)(unitVector(longitudeRad, latitudeRad));
    return {directionAngle(p.x, p.y), latitudeOfDirection(p.x, p.y, p.z)};
}

}  // namespace halvane
