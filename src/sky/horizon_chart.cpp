#include "sky/horizon_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "drawing/chart_colours.h"
#include "ephemeris/ecliptic_conversion.h"
#include "sky/body_disc.h"
#include "sky/label_places.h"
#include "sky/star_colour.h"
#include "util/taken_boxes.h"

namespace halvane {

namespace {

constexpr Rgb HorizonColour{110, 130, 170};
constexpr Rgb AltitudeCircleColour{30, 35, 60};
constexpr Rgb LineColour{40, 40, 160};
constexpr Rgb CardinalColour{220, 180, 90};
constexpr Rgb CaptionColour{210, 210, 210};

// The catalogue's brightness value is 10^(0.4 (6.5 - V)): 1 at the naked
// eye's limit.
constexpr double NakedEyeLimit = 6.5;
// Sizes below are given for a horizon of this many units (a full-HD chart's
// radius in pixels) and scaled with the chart.
constexpr double UnitsPerRadius = 500;
constexpr double LabelPoints = 10;
constexpr double LabelShift = 6;  // units right of the object
constexpr double HorizonGap = 2;  // degrees above the horizon a name needs
constexpr double SunRadius = 9;  // units; the Sun and Moon drawn larger than life
constexpr double MoonRadius = 9;
constexpr double SunwardStep = 0.02;  // radians along the sky towards the Sun
constexpr int FirstStarName = 90;  // named-star rows from here are stars

// Disc radii of the planets Mercury to Neptune, units, by how bright they
// usually shine.
constexpr std::array<double, body::Neptune + 1> PlanetRadius{0, 3, 5, 0, 4, 5, 4, 2, 2};

struct Chart {
    const Halvane& h;
    const HorizonScene& scene;
    HorizonProjection projection;
    Surface& surface;
    double unit;  // twips per unit
    TakenBoxes& labels;  // where names stand already

    double fontPoints() const { return std::max(6.0, LabelPoints * unit / 15); }
};

double dot(const Xyz& a, const Xyz& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Xyz plus(const Xyz& a, const Xyz& b, double k) { return {a.x + k * b.x, a.y + k * b.y, a.z + k * b.z}; }
Xyz unit(const Xyz& a) { return plus({}, a, 1 / length(a)); }

// The turn that takes the catalogue's ecliptic frame back to its equator.
Xyz topocentricDirection(const Halvane& h, const HorizonScene& scene, int i)
{
    const Xyz body = positionOf(h.bodies, i), earth = positionOf(h.bodies, body::Earth);
    const Xyz geocentric = eclipticToEquatorial()({body.x - earth.x, body.y - earth.y, body.z - earth.z});
    return plus(geocentric, scene.sky.position(), -1);
}

// A round dot of device pixels about (x, y) twips; at least one pixel.
void paintRoundDot(Surface& surface, double x, double y, double diameterPixels, Rgb colour)
{
    const double cx = x / surface.twipsPerPixelX(), cy = y / surface.twipsPerPixelY();
    const double r = std::max(diameterPixels, 1.0) / 2;
    if (!std::isfinite(cx) || !std::isfinite(cy)) return;
    if (r <= 0.5) {
        surface.setPixel(static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(cy)), colour);
        return;
    }
    for (int py = static_cast<int>(std::floor(cy - r)); py <= static_cast<int>(std::ceil(cy + r)); ++py)
        for (int px = static_cast<int>(std::floor(cx - r)); px <= static_cast<int>(std::ceil(cx + r)); ++px) {
            const double dx = px + 0.5 - cx, dy = py + 0.5 - cy;
            if (dx * dx + dy * dy <= r * r) surface.setPixel(px, py, colour);
        }
}

void drawFrame(const Chart& c)
{
    const HorizonProjection& p = c.projection;
    c.surface.setPenWidth(1);
    for (const double altitude : {30.0, 60.0}) {
        const double r = p.radius * std::tan(radiansFromDegrees(90 - altitude) / 2);
        c.surface.circle(p.centreX, p.centreY, r, AltitudeCircleColour);
    }
    c.surface.setPenWidth(2);
    c.surface.circle(p.centreX, p.centreY, p.radius, HorizonColour);
}

void drawStars(const Chart& c)
{
    const StarTables& t = c.h.stars;
    const int tint = std::clamp(c.scene.starTint, 1, 4);
    const double pixelsPerUnit = c.unit / c.surface.twipsPerPixelX();
    const int last = std::min(t.lastCatalogueRow, star::LastRow);
    for (int row = star::FirstRow; row <= last; ++row) {
        const StarRow& s = t.stars[static_cast<size_t>(row)];
        if (!(s[star::Brightness] >= 1)) continue;
        const HorizontalAngles a = c.scene.sky.horizontal(unitVector(s[star::RightAscension], s[star::Declination]));
        if (!(a.altitude >= 0)) continue;
        const double brighter = 2.5 * std::log10(s[star::Brightness]);  // magnitudes above the limit
        const double level = std::min(80 + 30 * brighter, 256.0);
        const ChartPoint at = c.projection.at(a);
        paintRoundDot(c.surface, at.x, at.y, pixelsPerUnit * (1 + 0.9 * brighter),
                      chooseStarColour(t.spectralClass[static_cast<size_t>(row)], tint, level));
    }
}

// The part of a segment between two directions that lies above the
// horizon, as chart points; nothing when none of it does.
bool segmentAboveHorizon(const Chart& c, Xyz a, Xyz b, ChartPoint& from, ChartPoint& to)
{
    const ObserverSky& sky = c.scene.sky;
    const double ua = std::sin(sky.horizontal(a).altitude), ub = std::sin(sky.horizontal(b).altitude);
    if (!(ua >= 0 || ub >= 0)) return false;
    if (ua < 0 || ub < 0) {
        // Where the chord crosses the horizon plane, by the sines of the
        // altitudes (the heights of the two unit vectors above it).
        (ua < 0 ? a : b) = plus(a, plus(b, a, -1), ua / (ua - ub));
    }
    from = c.projection.at(sky.horizontal(a));
    to = c.projection.at(sky.horizontal(b));
    return true;
}

void drawConstellationLines(const Chart& c)
{
    const auto& lines = c.h.stars.lines;
    c.surface.setPenWidth(1);
    for (int row = 1; row <= star::LineRecords; ++row) {
        const auto& l = lines[static_cast<size_t>(row)];
        if (l[line::RightAscension] == 0 && l[line::Declination] == 0 && l[line::RightAscension + 1] == 0) continue;
        ChartPoint from, to;
        if (segmentAboveHorizon(c, unitVector(l[line::RightAscension], l[line::Declination]),
                                unitVector(l[line::RightAscension + 1], l[line::Declination + 1]), from, to))
            c.surface.line(from.x, from.y, to.x, to.y, LineColour);
    }
}

void printAt(Surface& surface, double x, double y, std::string_view text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.printOnLine(text);
}

// Prints the name of the object at `at` beside it, clear of the names
// printed before (placeLabel).
void printLabel(const Chart& c, const ChartPoint& at, double gap, double rise, std::string_view text)
{
    const ChartPoint place = placeLabel(c.labels, at, c.surface.textWidth(text), c.surface.lineHeight(), gap, rise);
    printAt(c.surface, place.x, place.y, text);
}

void drawNames(const Chart& c)
{
    const size_t je = language(c.h.vars.je);
    c.surface.setFontSize(c.fontPoints());
    for (size_t row = 1; row < star::NamedRows; ++row) {
        const auto& cells = c.h.stars.named[row];
        const std::string& name = c.h.stars.namedTexts[row][je];
        if (name.empty()) continue;
        const HorizontalAngles a =
            c.scene.sky.horizontal(unitVector(cells[star::RightAscension], cells[star::Declination]));
        if (!(a.altitude > radiansFromDegrees(HorizonGap))) continue;
        const ChartPoint at = c.projection.at(a);
        c.surface.setForeColour(row >= FirstStarName ? StarNameColour : ConstellationNameColour);
        printLabel(c, at, LabelShift * c.unit, 0, name);
    }
}

// The direction on the chart from a disc towards the Sun, radians, y down.
double sunwardOnChart(const Chart& c, const Xyz& body, const Xyz& sun)
{
    const Xyz b = unit(body), s = unit(sun);
    const Xyz across = plus(s, b, -dot(s, b));
    if (!(length(across) > 1e-12)) return 0;
    const Xyz step = plus(b, across, SunwardStep / length(across));
    const ChartPoint from = c.projection.at(c.scene.sky.horizontal(b)),
                     to = c.projection.at(c.scene.sky.horizontal(step));
    return std::atan2(to.y - from.y, to.x - from.x);
}

void drawBodyName(const Chart& c, int i, const ChartPoint& at, double radius)
{
    const std::string& name = c.h.texts.bodyNames[language(c.h.vars.je)][static_cast<size_t>(i)];
    c.surface.setFontSize(c.fontPoints());
    c.surface.setForeColour(bodyClassColour(i).value_or(CaptionColour));
    printLabel(c, at, radius + LabelShift * c.unit, radius, name);
}

struct PlacedBody {
    int i = 0;
    ChartPoint at;
    double radius = 0;  // twips
};

// The Sun's glow, the planets as round dots in their colours, the Moon with
// its phase; the names after every disc, so that no disc covers one.
void drawBodies(const Chart& c)
{
    const BodyTables& b = c.h.bodies;
    const Xyz sun = topocentricDirection(c.h, c.scene, body::Sun);
    std::vector<PlacedBody> placed;
    // The Sun first, the Moon last, as they cover each other.
    for (int i : {body::Sun, body::Neptune, body::Uranus, body::Saturn, body::Jupiter, body::Mars, body::Venus,
                  body::Mercury, body::Moon}) {
        const Xyz direction = topocentricDirection(c.h, c.scene, i);
        const HorizontalAngles a = c.scene.sky.horizontal(direction);
        if (!(a.altitude >= 0)) continue;
        const ChartPoint at = c.projection.at(a);
        const auto k = static_cast<size_t>(i);
        const double radius = (i == body::Sun ? SunRadius : i == body::Moon ? MoonRadius : PlanetRadius[k]) * c.unit;
        const double reach = discReach(c.surface, radius, penWidthForSize(radius));
        if (i == body::Sun) {
            drawPhaseDisc(c.surface, {at.x, at.y, reach, 0, 0, GlowColour});
        } else if (i == body::Moon) {
            const DiscPicture disc{at.x,
                                   at.y,
                                   reach,
                                   phaseAngle(positionOf(b, i), positionOf(b, body::Earth)),
                                   sunwardOnChart(c, direction, sun),
                                   b.colour[k]};
            drawPhaseDisc(c.surface, disc);
        } else {
            paintRoundDot(c.surface, at.x, at.y, 2 * radius / c.surface.twipsPerPixelX(), b.colour[k]);
        }
        placed.push_back({i, at, radius});
    }
    for (const PlacedBody& p : placed) drawBodyName(c, p.i, p.at, p.radius);
}

void drawCardinalPoints(const Chart& c)
{
    static const std::array<std::array<std::string_view, 4>, 2> names{{{"北", "東", "南", "西"}, {"N", "E", "S", "W"}}};
    const auto& words = names[language(c.h.vars.je)];
    const double points = c.fontPoints() * 1.6;
    const double half = points * 20 * 0.35;  // about half a letter, twips
    c.surface.setFontSize(points);
    c.surface.setForeColour(CardinalColour);
    const HorizonProjection& p = c.projection;
    const double outside = p.radius + half * 2.2;
    for (size_t k = 0; k < 4; ++k) {
        const double azimuth = static_cast<double>(k) * p0 / 2;
        printAt(c.surface, p.centreX - outside * std::sin(azimuth) - half,
                p.centreY - outside * std::cos(azimuth) - half * 1.4, words[k]);
    }
}

void drawCaption(const Chart& c)
{
    c.surface.setFontSize(c.fontPoints() * 1.4);
    c.surface.setForeColour(CaptionColour);
    const double margin = 12 * c.unit;
    c.surface.setCurrentX(margin);
    c.surface.setCurrentY(margin);
    c.surface.print(c.scene.placeLine);
    c.surface.setCurrentX(margin);
    c.surface.print(c.scene.momentLine);
}

}  // namespace

HorizonProjection horizonProjectionFor(const Surface& surface)
{
    const double w = surface.scaleWidth(), h = surface.scaleHeight();
    return {w / 2, h / 2, 0.46 * std::min(w, h)};
}

HorizontalAngles bodyHorizontal(const Halvane& h, const HorizonScene& scene, int i)
{
    return scene.sky.horizontal(topocentricDirection(h, scene, i));
}

void drawHorizonChart(const Halvane& h, const HorizonScene& scene, Surface& surface)
{
    fullClear(surface);
    const HorizonProjection projection = horizonProjectionFor(surface);
    TakenBoxes labels;
    const Chart c{h, scene, projection, surface, projection.radius / UnitsPerRadius, labels};
    drawFrame(c);
    drawConstellationLines(c);
    drawStars(c);
    drawNames(c);
    drawBodies(c);
    drawCardinalPoints(c);
    drawCaption(c);
}

}  // namespace halvane
