#include "charts/planet_rings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/body_index.h"
#include "ephemeris/constants.h"
#include "ephemeris/ecliptic_conversion.h"
#include "util/numbers.h"

namespace halvane {

namespace {

struct RingPole {
    double rightAscension, declination;  // of the north pole, degrees, equator of 2000
    double startFactor;                  // first row's radius over the pen width
    RingRows rows;
};

// The poles are the IAU's (Archinal et al. 2018, the constant terms).
RingPole poleOf(int planet)
{
    switch (planet) {
    case body::Jupiter: return {268.057, 64.495, 1.7, {1, 2}};
    case body::Saturn: return {40.589, 83.537, 2.3, {}};
    case body::Uranus: return {257.311, -15.175, 2, {1, 0}};
    default: return {299.36, 43.46, 2, {1, 1}};  // Neptune
    }
}

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

RingRows rowsOf(int planet, int penWidth) { return planet == body::Saturn ? saturnRows(penWidth) : poleOf(planet).rows; }

double firstRow(int planet, int penWidth) { return Int(poleOf(planet).startFactor * penWidth + 1); }

// Lines to a half ellipse of `pixels` radius: each bends from the ellipse by
// at most a quarter of a pixel.
int segmentsFor(double pixels)
{
    const double turn = std::sqrt(2 / std::max(pixels, 1.0));
    return static_cast<int>(std::clamp(std::ceil(p0 / turn), 8.0, 1024.0));
}

}  // namespace

bool hasRings(int body) { return body >= body::Jupiter && body <= body::Neptune; }

Xyz ringPole(int planet)
{
    const RingPole pole = poleOf(planet);
    return equatorialToEcliptic()(unitVector(radiansFromDegrees(pole.rightAscension), radiansFromDegrees(pole.declination)));
}

RingView ringView(const Xyz& sight, const Xyz& pole, double poleOnScreen)
{
    const double d = length(sight);
    if (!(d > 0)) return {};
    const double towardsViewer = -(pole.x * sight.x + pole.y * sight.y + pole.z * sight.z) / d;
    return {towardsViewer, poleOnScreen + p0 / 2};
}

RingRows saturnRows(int penWidth)
{
    if (penWidth == 3 || penWidth == 4) return {20, 1};
    if (penWidth == 5 || penWidth == 6) return {10, 2};
    if (penWidth >= 7 && penWidth <= 9) return {5, 4};
    return {1.5, 30};
}

double ringReach(int planet, int penWidth)
{
    const RingRows rows = rowsOf(planet, penWidth);
    return penWidth * (firstRow(planet, penWidth) + rows.count * rows.step + rows.step / 2);
}

void drawRingHalf(Surface& surface, int planet, double x, double y, int penWidth, const RingView& view, bool nearHalf)
{
    const RingRows rows = rowsOf(planet, penWidth);
    const double w = penWidth, first = firstRow(planet, penWidth);
    const double c = std::cos(view.turn), s = std::sin(view.turn);
    const double start = nearHalf ? 0 : p0;
    const double pixel = surface.twipsPerPixelX() * surface.pixelRatio();
    const int band = std::max(1, static_cast<int>(std::ceil(rows.step * w / pixel - 1e-9)));
    const double margin = band * pixel, right = surface.scaleWidth() + margin, bottom = surface.scaleHeight() + margin;
    const auto off = [&](double x0, double y0, double x1, double y1) {
        return std::max(x0, x1) < -margin || std::min(x0, x1) > right || std::max(y0, y1) < -margin
               || std::min(y0, y1) > bottom;
    };
    surface.setPenWidth(band);
    for (int row = 0; row <= rows.count; ++row) {
        const double offset = row * rows.step;
        if (planet == body::Saturn && inGap(row, offset, nearHalf)) continue;
        const double radius = w * (first + offset);
        const Rgb colour = rowColour(offset);
        const auto at = [&](double a) {
            const double along = std::cos(a) * radius, across = std::sin(a) * radius * view.opening;
            return std::array<double, 2>{x + along * c - across * s, y + along * s + across * c};
        };
        const int segments = segmentsFor(radius / surface.twipsPerPixelX());
        auto from = at(start);
        for (int j = 1; j <= segments; ++j) {
            const auto to = at(start + p0 * j / segments);
            if (!off(from[0], from[1], to[0], to[1])) surface.line(from[0], from[1], to[0], to[1], colour);
            from = to;
        }
    }
    surface.setPenWidth(1);
}

}  // namespace halvane
