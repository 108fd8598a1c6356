#include "zodiac/zodiac_chart.h"

#include "drawing/bodies_shown.h"
#include "drawing/chart_colours.h"
#include "ephemeris/reference_points.h"
#include "util/numbers.h"
#include "util/printed_number.h"
#include "zodiac/geological_age.h"
#include "zodiac/hot_cold_trend.h"
#include "zodiac/zodiac_canvas.h"
#include "zodiac/zodiac_caption.h"

namespace halvane {

namespace {

constexpr Rgb signColour = StarNameColour, boundaryColour = Yellow;
constexpr Rgb trendColour{156, 156, 156}, captionColour{206, 206, 206};

constexpr double listX = 1390, listRowHeight = 200;

const std::string& bodyName(const Halvane& h, int i)
{
    return h.texts.bodyNames[language(h.vars.je)][static_cast<size_t>(i)];
}

double longitudeDeg(const Halvane& h, int i) { return h.sky.longitudeDegrees[static_cast<size_t>(i)]; }

void setBodyClassColour(Surface& surface, int i)
{
    if (const auto colour = bodyClassColour(i)) surface.setForeColour(*colour);
}

void drawRings(const Halvane& h, Surface& surface, const ZodiacCanvas& canvas)
{
    for (int i = body::Sun; i <= body::LastAsteroid; ++i) {
        const auto radius = ringRadius(i, h.vars.orbit);
        if (!radius || !onZodiacChart(h, i)) continue;
        const double L = longitudeDeg(h, i);
        setBodyClassColour(surface, i);
        canvas.print(ringPoint(L, *radius), bodyName(h, i) + printedNumber(Int(L)));
    }
}

void drawSigns(const Halvane& h, Surface& surface, const ZodiacCanvas& canvas)
{
    surface.setForeColour(signColour);
    for (int k = 1; k <= 12; ++k)
        canvas.print(ringPoint((k - 0.5) * 30, 1700), h.texts.signNames[language(h.vars.je)][static_cast<size_t>(k)]);
    if (h.vars.je != Japanese) return;
    surface.setForeColour(ConstellationNameColour);
    for (int k = 1; k <= 12; ++k)
        canvas.print(ringPoint((k + 0.15) * 30, 1200), h.texts.constellationNames[static_cast<size_t>(k)]);
}

void drawSignBoundaries(Surface& surface, const ZodiacCanvas& canvas)
{
    surface.setForeColour(boundaryColour);
    for (int sign = 0; sign < 12; ++sign)
        for (int j = 1; j <= 20; ++j) canvas.print(ringPoint(sign * 30.0, 500 + 160 * j), ".");
}

// The equinox of the date as the Earth sees it.
void drawEquinoxMarker(const Halvane& h, Surface& surface, const ZodiacCanvas& canvas)
{
    const double E = equinoxMarkerDeg(h);
    surface.setForeColour(ReferenceNameColour);
    const VirtualPoint at = ringPoint(E, 700);
    canvas.print(at, h.texts.equinoxLabel[language(h.vars.je)]);
    canvas.print({at.X, at.Y + 180}, tenthsText(E));
}

void drawBodyList(const Halvane& h, Surface& surface, const ZodiacCanvas& canvas)
{
    int row = 0;
    for (int i = body::Sun; i <= body::LastAsteroid; ++i) {
        if (!onZodiacChart(h, i)) continue;
        setBodyClassColour(surface, i);
        canvas.print({listX, row * listRowHeight}, bodyName(h, i) + tenthsText(longitudeDeg(h, i)));
        ++row;
    }
}

}  // namespace

std::optional<double> ringRadius(int i, int orbit)
{
    if (i >= body::Sun && i <= body::Moon) return 3800;
    if (!orbitShows(orbit, i)) return std::nullopt;
    if (i >= body::FirstComet && i <= body::LastComet) return 2200;
    if (i >= body::FirstAsteroid && i <= body::LastAsteroid) return 3000;
    return std::nullopt;
}

bool onZodiacChart(const Halvane& h, int i)
{
    const int view = h.vars.view;
    return i != view && (i != body::Moon || view == body::Earth) && !bodyName(h, i).empty();
}

std::string tenthsText(double longitudeDeg) { return printedNumber(Int(longitudeDeg * 10) / 10); }

double equinoxMarkerDeg(const Halvane& h)
{
    double E = longitudeDeg(h, body::VernalEquinox);
    if (E < 0) E += 360;
    if (E > 360) E -= 360;
    return E;
}

double zodiacHotColdTrend(const Halvane& h, const RequestState& request)
{
    // The obliquity of the displayed date also from another viewpoint: the
    // Earth-view step that keeps one runs only when the Earth is the viewpoint.
    const auto& b = h.bodies;
    return hotColdTrend(katamukiDeg(h.time.Ti), b.eccentricity[body::Earth], request.equinoxDeg,
                        b.perihelionLongitude[body::Earth]);
}

void drawZodiacChart(const Halvane& h, const RequestState& request, Surface& surface, EventPump& events)
{
    surface.setFontSize(11);
    const ZodiacCanvas canvas(surface);
    drawRings(h, surface, canvas);
    drawSigns(h, surface, canvas);
    drawSignBoundaries(surface, canvas);
    if (h.vars.view == body::Earth) drawEquinoxMarker(h, surface, canvas);
    drawBodyList(h, surface, canvas);

    surface.setForeColour(trendColour);
    canvas.print({10, 8100}, hotColdLine(zodiacHotColdTrend(h, request)));
    canvas.print({10, 8300}, geologicalAgeLine(h.ages, h.vars.je, h.time.Ti, h.time.Ti0));
    events.letEventsRun();

    surface.setForeColour(captionColour);
    surface.setFontSize(12);
    canvas.print({2500, 20}, captionDate(h));
    canvas.print({8000, 20}, captionZone(h.vars));
    events.letEventsRun();
}

}  // namespace halvane
