#include "sky/view_centred.h"

#include <cmath>

#include "ephemeris/vector.h"

namespace halvane {

ViewCentring::ViewCentring(double b1, double b2) : b1_(b1), cosB2_(std::cos(b2)), sinB2_(std::sin(b2)) {}

ViewAngles ViewCentring::operator()(double A, double D) const
{
    const auto [x, y, z] = unitVector(A - b1_, D);

    // Tilting by b2 turns the direction phi of (x, z) into phi - b2 at the
    // same length r = sqrt(x^2 + z^2). As r cos(phi) = x and r sin(phi) = z,
    // the tilted pair is r cos(phi - b2) and r sin(phi - b2) written out.
    const double xTilted = x * cosB2_ + z * sinB2_;
    const double zTilted = z * cosB2_ - x * sinB2_;

    const double u = wrapOnceIntoHalfTurns(directionAngle(xTilted, y));
    const double v = latitudeOfDirection(xTilted, y, zTilted);
    return {u, v};
}

ViewAngles viewCentred(double A, double D, double b1, double b2) { return ViewCentring(b1, b2)(A, D); }

}  // namespace halvane
