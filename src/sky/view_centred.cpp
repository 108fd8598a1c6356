#include "sky/view_centred.h"

#include <cmath>

#include "ephemeris/vector.h"

namespace halvane {

ViewCentring::ViewCentring(double b1, double b2, const std::optional<Xyz>& aberration)
    : b1_(b1), cosB2_(std::cos(b2)), sinB2_(std::sin(b2))
{
    if (!aberration) return;
    const double c = std::cos(b1), s = std::sin(b1);
    const Xyz& a = *aberration;
    aberration_ = Xyz{a.x * c + a.y * s, a.y * c - a.x * s, a.z};
}

ViewAngles ViewCentring::operator()(double A, double D) const
{
    auto [x, y, z] = unitVector(A - b1_, D);
    // The angles below do not depend on the vector's length, so the moved
    // direction needs no normalising.
    if (aberration_) {
        x += aberration_->x;
        y += aberration_->y;
        z += aberration_->z;
    }

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
