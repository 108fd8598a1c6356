// The angle rules shared by the position computation and the sky transforms:
// an arctangent of a quotient, turned by pi when the run is negative.
#pragma once

namespace halvane {

// arctan(rise / run); a run of exactly 0 gives what the two-argument
// arctangent gives (+-pi/2 with the sign of the rise, 0 for 0 / 0).
double arctanOfQuotient(double rise, double run);

// arctan(dy / dx), plus p0 when dx < 0: the direction of (dx, dy), between
// -p0/2 and 3 p0/2.
double directionAngle(double dx, double dy);

// directionAngle less 2 p0 when above 2 p0 and plus 2 p0 when below 0:
// a longitude in [0, 2 p0).
double longitudeOfDirection(double dx, double dy);

// arctan(dz / sqrt(dx^2 + dy^2)): the latitude of (dx, dy, dz).
double latitudeOfDirection(double dx, double dy, double dz);

}  // namespace halvane
