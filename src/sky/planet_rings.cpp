#include "sky/planet_rings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "ephemeris/body_index.h"
#include "ephemeris/constants.h"
#include "ephemeris/ecliptic_conversion.h"
#include "sky/body_disc.h"
#include "util/numbers.h"

namespace halvane {

namespace {

struct RingPole {
    double rightAscension, declination;  // of the north pole, degrees, equator of 2000
    double startFactor;  // first row's radius over the pen width
    RingRows rows;
};

// The poles are the IAU's (Archinal et al. 2018, the constant terms).
RingPole poleOf(int planet)
{
    switch (planet) {
    case body::Jupiter:
        return {268.057, 64.495, 1.7, {1, 2}};
    case body::Saturn:
        return {40.589, 83.537, 2.3, {}};
    case body::Uranus:
        return {257.311, -15.175, 2, {1, 0}};
    default:
        return {299.36, 43.46, 2, {1, 1}};  // Neptune
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

RingRows rowsOf(int planet, int penWidth)
{
    return planet == body::Saturn ? saturnRows(penWidth) : poleOf(planet).rows;
}

double firstRow(int planet, int penWidth) { return Int(poleOf(planet).startFactor * penWidth + 1); }

}  // namespace

bool hasRings(int body) { return body >= body::Jupiter && body <= body::Neptune; }

Xyz ringPole(int planet)
{
    const RingPole pole = poleOf(planet);
    return equatorialToEcliptic()(
        unitVector(radiansFromDegrees(pole.rightAscension), radiansFromDegrees(pole.declination)));
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
    const double pixel = surface.twipsPerPixelX() * surface.pixelRatio();
    const double half = std::max(rows.step * w, pixel) / 2;  // of a row's band, at least a pixel wide
    // Edge-on rings still show as a line a pixel or two thick.
    const double outermost = w * (first + rows.count * rows.step) + half;
    const double opening = std::copysign(std::max(std::abs(view.opening), pixel / outermost), view.opening);
    const double c = std::cos(view.turn), s = std::sin(view.turn);
    const double start = nearHalf ? 0 : p0;
    const auto band = [&](double inner, double outer, Rgb colour) {
        const int segments = arcSegments(outer / surface.twipsPerPixelX());
        std::vector<QPointF> corners;
        corners.reserve(static_cast<size_t>(2 * segments + 2));
        const auto add = [&](double radius, int j) {
            const double a = start + p0 * j / segments;
            const double along = std::cos(a) * radius, across = std::sin(a) * radius * opening;
            corners.emplace_back(x + along * c - across * s, y + along * s + across * c);
        };
        for (int j = 0; j <= segments; ++j) add(outer, j);
        for (int j = segments; j >= 0; --j) add(inner, j);
        fillOnSurface(surface, std::move(corners), colour);
    };
    // Rows next to one another in one colour make one band.
    int from = -1;
    for (int row = 0; row <= rows.count + 1; ++row) {
        const double offset = row * rows.step;
        const bool drawn = row <= rows.count && !(planet == body::Saturn && inGap(row, offset, nearHalf));
        if (from >= 0 && (!drawn || rowColour(offset) != rowColour(from * rows.step))) {
            band(w * (first + from * rows.step) - half, w * (first + (row - 1) * rows.step) + half,
                 rowColour(from * rows.step));
            from = -1;
        }
        if (drawn && from < 0) from = row;
    }
}

}  // namespace halvane
