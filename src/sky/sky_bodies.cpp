#include "sky/sky_bodies.h"

#include <algorithm>
#include <cmath>

#include "drawing/chart_colours.h"
#include "ephemeris/directions.h"
#include "sky/body_disc.h"
#include "sky/body_distances.h"
#include "sky/comet_tails.h"
#include "sky/planet_rings.h"
#include "sky/sky_transforms.h"
#include "util/numbers.h"
#include "util/printed_number.h"

namespace halvane {

namespace {

constexpr double ReferenceCircleRadius = 50;  // twips
constexpr double ReferenceCircleShift = 10;  // twips right of the point
constexpr double LargestGlow = 10000;  // twips
constexpr double NearestSun = 0.0005;  // AU, for a viewpoint at the Sun
constexpr double SmallestDisc = 10;  // size ratio from which a body is a disc

struct ScreenPoint {
    double x = 0, y = 0;
};

ScreenPoint screenPoint(const Halvane& h, const SkyScreen& screen, int row)
{
    const StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
    return {screen.x(cells[star::ViewU]), screen.y(cells[star::ViewV])};
}

// Whether a mark of `reach` twips around the point can show at all.
bool nearChart(const SkyScreen& screen, ScreenPoint p, double reach)
{
    return std::abs(p.x - screen.ae / 2) <= screen.ae / 2 + reach
        && std::abs(p.y - screen.bb / 2) <= screen.bb / 2 + reach;
}

void printPassNumber(Surface& surface, const SkyScreen& screen, ScreenPoint at, int passCounter, int body,
                     PassNumberMarks& marks)
{
    if (!nearChart(screen, at, 0)) return;
    const std::string number = printedNumber(passCounter);
    if (!marks.claim(body, {at.x, at.y, at.x + surface.textWidth(number), at.y + surface.lineHeight()})) return;
    surface.setForeColour(PassNumberColour);
    surface.setCurrentX(at.x);
    surface.setCurrentY(at.y);
    surface.print(number);
}

bool glowShows(const Halvane& h, const SkyScreen& screen)
{
    return h.vars.view != body::Sun && !testOffChart(h, screen, body::Sun);
}

SunGlow glowOf(const Halvane& h, const SkyScreen& screen)
{
    return sunGlow(screen.b3, distanceFromSun(h, viewpointIndex(h.vars.view)));
}

void drawGlow(const Halvane& h, Surface& surface, const SkyScreen& screen)
{
    if (!glowShows(h, screen)) return;
    const SunGlow glow = glowOf(h, screen);
    const ScreenPoint sun = screenPoint(h, screen, body::Sun);
    drawPhaseDisc(surface, {sun.x, sun.y, discReach(surface, glow.radius, glow.penWidth), 0, 0, GlowColour});
}

// Whether body `i` of `brightness` shows as a disc rather than as a star.
bool shownAsDisc(int i, double brightness) { return !(brightness / FullLevel < SmallestDisc) || i == body::Moon; }

void drawDisc(const Halvane& h, Surface& surface, const SkyScreen& screen, int i, double d)
{
    const auto k = static_cast<size_t>(i);
    const auto& b = h.bodies;
    const double radius = discRadius(h, i, screen.b3, d);
    if (!std::isfinite(radius)) return;
    const int penWidth = penWidthForSize(radius);
    const ScreenPoint at = screenPoint(h, screen, i), sun = screenPoint(h, screen, body::Sun);
    const Xyz viewpoint = positionOf(h.bodies, viewpointIndex(h.vars.view)), place = positionOf(h.bodies, i);
    const DiscPicture disc{at.x,
                           at.y,
                           discReach(surface, radius, penWidth),
                           phaseAngle(place, viewpoint),
                           std::atan2(sun.y - at.y, sun.x - at.x),
                           b.colour[k]};

    const bool ringed = hasRings(i);
    RingView rings;
    if (ringed) {
        const Xyz sight{place.x - viewpoint.x, place.y - viewpoint.y, place.z - viewpoint.z};
        const Xyz pole = ringPole(i);
        rings = ringView(sight, pole, screenAngleTowards(h, sight, pole));
        drawRingHalf(surface, i, at.x, at.y, penWidth, rings, false);
    }
    surface.setForeColour(b.colour[k]);
    drawPhaseDisc(surface, disc);
    if (ringed) drawRingHalf(surface, i, at.x, at.y, penWidth, rings, true);
}

// One body; false when nothing of it was drawn.
bool drawBody(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting, int i)
{
    const auto k = static_cast<size_t>(i);
    const auto& b = h.bodies;
    if (b.x[k] == 0 && b.y[k] == 0) return false;  // an empty comet or asteroid slot
    if (testOffChart(h, screen, i)) return false;
    const double d = distanceFromViewpoint(h, i);
    if (!(d > 0)) return false;  // the body stands at the viewpoint
    if (i >= body::FirstComet && i <= body::LastComet) drawCometTail(h, surface, screen, i, d, distanceFromSun(h, i));

    const double brightness = bodyBrightness(h, i, screen.b3, d);
    const double level = std::min(brightness, FullLevel);
    if (!shownAsDisc(i, brightness)) {
        const int grey = static_cast<int>(Int(level));
        surface.setForeColour({grey, grey, static_cast<int>(Int(200 * level / FullLevel))});
        if (brightness > FaintestDrawn) {
            plotting.starRow = i;
            prepareStar(plotting, brightness);
            plotting.keepColour = true;
            plotStar(h, surface, screen, plotting);
        }
    } else if (b.x[k] != 0 && b.y[k] != 0) {
        drawDisc(h, surface, screen, i, d);
    }
    plotting.starLevel = level;
    return true;
}

}  // namespace

SunGlow sunGlow(double b3, double d)
{
    const double radius = std::min(230 * nearnessScale(b3, d == 0 ? NearestSun : d) / 2, LargestGlow);
    return {radius, penWidthForSize(radius)};
}

double discRadius(const Halvane& h, int i, double b3, double d)
{
    const double radius = h.bodies.displayScale[static_cast<size_t>(i)] / 4 * nearnessScale(b3, d);
    return i == body::Moon ? radius / 2 / std::sqrt(h.sky.r10) : radius;
}

double bodyReach(const Halvane& h, const Surface& surface, const SkyScreen& screen, int i)
{
    if (i == body::Sun) {
        if (!glowShows(h, screen)) return 0;
        const SunGlow glow = glowOf(h, screen);
        return discReach(surface, glow.radius, glow.penWidth);
    }
    if (i > body::LastAsteroid || i == h.vars.view) return 0;
    const double d = distanceFromViewpoint(h, i);
    if (!(d > 0) || !shownAsDisc(i, bodyBrightness(h, i, screen.b3, d))) return 0;
    const double radius = discRadius(h, i, screen.b3, d);
    if (!std::isfinite(radius)) return 0;
    const int penWidth = penWidthForSize(radius);
    const double reach = discReach(surface, radius, penWidth);
    return hasRings(i) ? std::max(reach, ringReach(i, penWidth)) : reach;
}

double bodyBrightness(const Halvane& h, int i, double b3, double d)
{
    return h.bodies.displayScale[static_cast<size_t>(i)] * 50 / 4 * nearnessScale(b3, d)
        * brightnessSettingFactor(h.vars.gra);
}

void drawSkyBodies(const Halvane& h, Surface& surface, const SkyScreen& screen, StarPlotting& plotting, int passCounter,
                   PassNumberMarks& marks)
{
    const bool overlay = h.vars.norm == repeat::Overlay;
    drawGlow(h, surface, screen);
    for (int i = body::LastAsteroid; i >= 1; --i) {
        if (i == h.vars.view) continue;
        if (!drawBody(h, surface, screen, plotting, i)) continue;
        if (overlay && plotting.starLevel > 50)
            printPassNumber(surface, screen, screenPoint(h, screen, i), passCounter, i, marks);
    }
    if (!overlay) return;
    if (h.vars.view != body::Sun)
        printPassNumber(surface, screen, screenPoint(h, screen, body::Sun), passCounter, body::Sun, marks);
    surface.setPenWidth(1);
    if (h.vars.view != body::Earth) return;  // the reference points belong to the Earth's sky
    for (int i = body::VernalEquinox; i <= body::LastReferencePoint; ++i) {
        const ScreenPoint p = screenPoint(h, screen, i);
        if (nearChart(screen, p, ReferenceCircleRadius + ReferenceCircleShift)) drawReferenceCircle(surface, p.x, p.y);
    }
}

void drawReferenceCircle(Surface& surface, double x, double y)
{
    surface.circle(x + ReferenceCircleShift, y, ReferenceCircleRadius, ReferenceCircleColour);
}

}  // namespace halvane
