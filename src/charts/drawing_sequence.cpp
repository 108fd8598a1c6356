#include "charts/drawing_sequence.h"

#include "charts/sky_bodies.h"
#include "charts/sky_labels.h"
#include "charts/sky_transforms.h"
#include "charts/zodiac_chart.h"
#include "panel/change_handlers.h"
#include "starfield/constellation_lines.h"
#include "starfield/orbit_frame.h"
#include "starfield/star_plotting.h"

namespace halvane {

namespace {

constexpr Rgb black{0, 0, 0};

bool firstOverlay(const Halvane& h, const RequestState& r) { return h.vars.norm != repeat::Overlaid || r.passCounter == 1; }

void applyClearingRules(Halvane& h, RequestState& r, Surface& surface)
{
    const auto& v = h.vars;
    auto modeChange = [&](bool clear) {
        r.passCounter = 0;
        r.modeChanged = true;
        if (clear) fullClear(surface);
    };
    if (v.selec != r.old.selec) modeChange(true);
    if (v.norm != r.old.norm) modeChange(true);
    if (r.old.sname == 2 && v.sname != r.old.sname) modeChange(false);

    surface.setBackColour(black);
    if (v.sname != 2 && v.selec != display::Zodiac && v.norm == repeat::Sequential) {
        if (r.passCounter == 1) surface.clear();
    } else if (firstOverlay(h, r)) {
        surface.clear();
    }
    surface.setPersistence(v.sname == 2 || v.selec == display::Zodiac);
}

void transformBodies(Halvane& h)
{
    for (int i = 0; i <= body::LastReferencePoint; ++i)
        if (i != h.vars.view) displayFrameTransform(h, i);
}

// Whether the magnification or the aim point differs from the previous
// pass's; the view of this pass is kept for the next one.
bool viewChanged(const Halvane& h, RequestState& r)
{
    const RequestState::View view{boxNumber(h, Text3), boxNumber(h, Text1), boxNumber(h, Text2)};
    const bool changed = r.previousView != view;
    r.previousView = view;
    return changed;
}

void drawSky(Halvane& h, RequestState& r, StarPlotting& plotting, DrawPorts& ports)
{
    Surface& surface = ports.surface;
    const auto& v = h.vars;
    const SkyScreen screen{r.ae, r.bb, r.b3};
    if (v.sname == 2) {
        transformBodies(h);
        if (v.con >= 1) drawConstellationLines(h, surface, screen);
        drawSkyLabels(h, surface, screen, r.passCounter);
        surface.showPicture();  // the whole picture stays while a random run waits
        letEventsRunFor(v.norm == repeat::AtRandom ? 2 : 0, ports.events, ports.clock);
        return;
    }
    projectStars(h, screen, plotting);
    transformBodies(h);
    const bool viewMoved = viewChanged(h, r);
    if (v.norm == repeat::Sequential) {
        surface.setPersistence(true);
        if (viewMoved) surface.clear();
    } else if (firstOverlay(h, r)) {
        surface.clear();
    }
    if (v.norm == repeat::Single || v.norm == repeat::AtRandom || v.norm == repeat::Now) fullClear(surface);
    if (r.passCounter == 1 && v.norm == repeat::Overlaid) fullClear(surface);
    if (r.clearRequest) {
        surface.clear();
        r.clearRequest = false;
    }
    if (v.con >= 1 && firstOverlay(h, r)) drawConstellationLines(h, surface, screen);
    if (firstOverlay(h, r)) {
        plotStarField(h, surface, screen, plotting);
        ports.events.letEventsRun();
    }
    if (v.sname == 1) {
        surface.setPersistence(false);
        if (firstOverlay(h, r)) drawSkyLabels(h, surface, screen, r.passCounter);
        drawSkyBodies(h, surface, screen, plotting, r.passCounter);
        ports.events.letEventsRun();
    } else {
        drawSkyBodies(h, surface, screen, plotting, r.passCounter);
        ports.events.letEventsRun();
    }
}

}  // namespace

void drawPass(Halvane& h, RequestState& r, StarPlotting& plotting, DrawPorts ports)
{
    auto& v = h.vars;
    v.kaiten = static_cast<float>(boxNumber(h, Text1));
    v.Ka = boxNumber(h, Text2);

    const bool skyDisplay = v.selec == display::SkyEquatorial || v.selec == display::SkyEcliptic;
    if (v.norm <= repeat::AtRandom && v.preci == 0 && v.sname != 2 && skyDisplay) {
        r.clearRequest = true;
        drawSky(h, r, plotting, ports);
        return;
    }
    applyClearingRules(h, r, ports.surface);
    if (v.selec == display::Zodiac) {
        drawZodiacChart(h, r, ports.surface, ports.events);
    } else if (v.selec >= display::TwoOrbit && v.selec <= display::OneOrbit) {
        drawOrbitView(h, r, plotting, ports);
        ports.events.letEventsRun();
    } else {
        drawSky(h, r, plotting, ports);
    }
}

}  // namespace halvane
