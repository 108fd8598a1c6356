// Points and directions in space: a position in AU, its length and the
// distance between two, unit vectors from angles and back, and the turn
// about the x axis (the equinox line) that links the equatorial and the
// ecliptic frame.
#pragma once

#include <cmath>

#include "ephemeris/angles.h"

namespace halvane {

struct Xyz {
    double x = 0, y = 0, z = 0;
};

inline double length(const Xyz& p) { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); }

inline double distance(const Xyz& a, const Xyz& b) { return length({b.x - a.x, b.y - a.y, b.z - a.z}); }

// The unit vector at `longitude` and `latitude` (radians) of a frame.
inline Xyz unitVector(double longitude, double latitude)
{
    return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude), std::sin(latitude)};
}

struct SphericalAngles {
    double longitude = 0;  // radians, [0, 2 p0)
    double latitude = 0;  // radians
};

// The longitude and latitude of the direction of `p`.
inline SphericalAngles anglesOf(const Xyz& p)
{
    return {longitudeOfDirection(p.x, p.y), latitudeOfDirection(p.x, p.y, p.z)};
}

// A turn by `angle` radians about the x axis, y towards z; its cosine and
// sine worked out once for the many points of a pass.
class XRotation {
public:
    explicit XRotation(double angle) : cos_(std::cos(angle)), sin_(std::sin(angle)) {}
    Xyz operator()(const Xyz& p) const { return {p.x, p.y * cos_ - p.z * sin_, p.y * sin_ + p.z * cos_}; }

private:
    double cos_, sin_;
};

}  // namespace halvane
