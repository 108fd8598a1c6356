#include "charts/planet_rings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/body_index.h"
#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

namespace {

struct RingPole {
    double tilt, longitude;  // degrees
    double startFactor;      // first row's radius over the pen width
    RingRows rows;
};

RingPole poleOf(int planet)
{
    switch (planet) {
    case body::Jupiter: return {3.1, 240, 1.7, {1, 2}};
    case body::Saturn: return {26.7, 79, 2.3, {}};
    case body::Uranus: return {78.1, 80, 2, {1, 0}};
    default: return {27.8, 330, 2, {1, 1}};  // Neptune
    }
}

constexpr double degree = p0 / 180;

// Saturn's gaps: offsets from the first row left out of the far halves,
// and row numbers left out of the near halves.
constexpr std::array<double, 4> farGaps{15, 30, 31.5, 39};
constexpr std::array<int, 4> nearGaps{10, 20, 21, 26};

bool inGap(int row, double offset, bool nearHalf)
{
    if (nearHalf) return std::find(nearGaps.begin(), nearGaps.end(), row) != nearGaps.end();
    return std::find(farGaps.begin(), farGaps.end(), offset) != farGaps.end();
}

Rgb rowColour(double offset)
{
    if (offset < 1.5) return {136, 130, 130};
    if (offset < 15) return {190, 170, 170};
    if (offset < 30) return {190, 180, 140};
    return {180, 170, 160};
}

}  // namespace

bool hasRings(int body) { return body >= body::Jupiter && body <= body::Neptune; }

RingView ringView(int planet, double lambda, double beta)
{
    const RingPole pole = poleOf(planet);
    const double tilt = pole.tilt * degree, poleLongitude = pole.longitude * degree;
    return {std::sin(beta + tilt * std::cos(poleLongitude - lambda)), tilt * std::sin(poleLongitude - lambda)};
}

RingRows saturnRows(int penWidth)
{
    if (penWidth == 3 || penWidth == 4) return {20, 1};
    if (penWidth == 5 || penWidth == 6) return {10, 2};
    if (penWidth >= 7 && penWidth <= 9) return {5, 4};
    return {1.5, 30};
}

void drawRingHalf(Surface& surface, int planet, double x, double y, int penWidth, const RingView& view, bool nearHalf)
{
    const RingPole pole = poleOf(planet);
    const RingRows rows = planet == body::Saturn ? saturnRows(penWidth) : pole.rows;
    const double w = penWidth;
    const double first = Int(pole.startFactor * w + 1);
    const int dots = static_cast<int>(std::min(Int(w + 1), 1000.0));
    const double c = std::cos(view.turn), s = std::sin(view.turn);
    const double quarterTurns = nearHalf ? 2 : 0;
    surface.setPenWidth(1);
    for (int row = 0; row <= rows.count; ++row) {
        const double offset = row * rows.step;
        if (planet == body::Saturn && inGap(row, offset, nearHalf)) continue;
        const double radius = w * (first + offset);
        const Rgb colour = rowColour(offset);
        for (int u = 1; u <= dots / 2; ++u) {
            const double a = quarterTurns * p0 / 2 - 2 * p0 * u / dots;
            const double px = std::cos(a) * radius, py = std::sin(a) * radius * view.opening;
            surface.setPoint(x + px * c - py * s, y + px * s + py * c, colour);
        }
    }
}

}  // namespace halvane
