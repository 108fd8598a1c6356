#include "charts/body_disc.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/constants.h"
#include "starfield/chart_colours.h"
#include "util/numbers.h"

namespace halvane {

namespace {

constexpr int Rings = 20;
constexpr double DotStep = p0 / 40;
constexpr int HalfDots = 40;

}  // namespace

int penWidthForSize(double size)
{
    if (!(size > 0)) return 1;
    return static_cast<int>(std::clamp(Int(1 + std::sqrt(size) / 1.5), 1.0, 1000.0));
}

void dotRings(Surface& surface, double x, double y, double radius, double axis, double squeeze, double start, int dots,
              Rgb colour)
{
    const double c = std::cos(axis), s = std::sin(axis);
    for (int k = Rings; k >= 1; --k) {
        const double r = radius * k / Rings;
        for (int j = 1; j <= dots; ++j) {
            const double theta = start + j * DotStep;
            const double along = std::cos(theta) * r * squeeze, across = std::sin(theta) * r;
            surface.setPoint(x + along * c - across * s, y + along * s + across * c, colour);
        }
    }
}

double phaseAngle(double bodyX, double bodyY, double viewX, double viewY)
{
    const double sunX = -bodyX, sunY = -bodyY;
    const double seenX = viewX - bodyX, seenY = viewY - bodyY;
    return std::atan2(sunX * seenY - sunY * seenX, sunX * seenX + sunY * seenY);
}

void drawPhaseDisc(Surface& surface, const DiscPicture& d)
{
    const double sunSide = -p0 / 2, farSide = p0 / 2;
    const auto half = [&](double start, Rgb colour) {
        dotRings(surface, d.x, d.y, d.radius, d.sunward, 1, start, HalfDots, colour);
    };
    const double phase = std::abs(d.phase);
    if (phase <= p0 / 2) {
        half(sunSide, d.colour);
        half(farSide, DarkSide);
    } else {
        half(farSide, DarkSide);
        half(sunSide, d.colour);
    }
    // Past a half the terminator cuts the lit half down to a crescent; before
    // it, it lights a gibbous part of the dark half. Only one of the two: the
    // other would put a lit lens on the dark side or a dark one on the lit
    // side.
    const double squeeze = std::abs(std::cos(d.phase));
    if (phase > p0 / 2) dotRings(surface, d.x, d.y, d.radius, d.sunward, squeeze, sunSide, HalfDots, DarkSide);
    if (phase < p0 / 2) dotRings(surface, d.x, d.y, d.radius, d.sunward, squeeze, farSide, HalfDots, d.colour);
}

}  // namespace halvane
