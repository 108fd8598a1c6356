// Angle helpers shared by every astronomical step: degrees and radians
// through the program's own pi, the arctangent rules that turn a direction
// into angles, and the wrapping of angles into a turn.
#pragma once

#include "ephemeris/constants.h"

namespace halvane {

// Degrees to radians and back through p1 (degrees per radian of p0).
constexpr double radiansFromDegrees(double degrees) { return degrees / p1; }
constexpr double degreesFromRadians(double radians) { return radians * p1; }

// arctan(rise / run); a run of exactly 0 gives what the two-argument
// arctangent gives (+-pi/2 with the sign of the rise, 0 for 0 / 0).
double arctanOfQuotient(double rise, double run);

// arctan(dy / dx), plus p0 when dx < 0: the direction of (dx, dy), between
// -p0/2 and 3 p0/2.
double directionAngle(double dx, double dy);

// directionAngle wrapped once into a turn: a longitude in [0, 2 p0).
double longitudeOfDirection(double dx, double dy);

// arctan(dz / sqrt(dx^2 + dy^2)): the latitude of (dx, dy, dz).
double latitudeOfDirection(double dx, double dy, double dz);

// One turn taken away above 2 p0 and added below 0, once each: an angle
// within a turn of [0, 2 p0) lands in it.
double wrapOnceIntoTurn(double radians);

// One turn taken away above p0 and added below -p0, once each.
double wrapOnceIntoHalfTurns(double radians);

// 360 added to a negative number of degrees, once.
double addTurnIfNegativeDeg(double degrees);

// 360 x frac(v / 360): any number of degrees brought into [0, 360).
double normalisedDeg(double degrees);

}  // namespace halvane
