#include "drawing/drawing_sequence.h"

#include "drawing/chart_colours.h"
#include "orbits/orbit_frame.h"
#include "sky/constellation_lines.h"
#include "sky/sky_bodies.h"
#include "sky/sky_labels.h"
#include "sky/star_plotting.h"
#include "zodiac/zodiac_chart.h"

namespace halvane {

namespace {

bool firstOverlay(const Halvane& h, const RequestState& r) { return !isLaterOverlayPass(h.vars.norm, r.passCounter); }

// A change of display or repeat mode clears the window fully; the request
// has restarted its count for it.
void applyClearingRules(const Halvane& h, const RequestState& r, Surface& surface)
{
    const auto& v = h.vars;
    const ModeChanges changed = modeChangesOf(v, r);
    if (changed.display) fullClear(surface);
    if (changed.repeat) fullClear(surface);

    surface.setBackColour(Black);
    if (!namesOnly(v.sname) && v.selec != display::Zodiac && v.norm == repeat::Sequential) {
        if (r.passCounter == 1) surface.clear();
    } else if (firstOverlay(h, r)) {
        surface.clear();
    }
    surface.setPersistence(namesOnly(v.sname) || v.selec == display::Zodiac);
}

// The stars, bodies and line ends carry their view-centred angles from the
// pass. The fast sky case clears once more after the other clearing steps.
void drawSky(const Halvane& h, const RequestState& r, bool fast, StarPlotting& plotting, PassNumberMarks& passNumbers,
             DrawPorts& ports)
{
    Surface& surface = ports.surface;
    const auto& v = h.vars;
    const SkyScreen screen{r.ae, r.bb, r.b3};
    if (namesOnly(v.sname)) {
        if (v.con >= 1) drawConstellationLines(h, surface, screen);
        drawSkyLabels(h, surface, screen, r.passCounter);
        surface.showPicture();  // the whole picture stays while a random run waits
        letEventsRunFor(v.norm == repeat::AtRandom ? 2 : 0, ports.events, ports.clock);
        return;
    }
    if (v.norm == repeat::Sequential) {
        surface.setPersistence(true);
        if (r.viewMoved) surface.clear();
    } else if (firstOverlay(h, r)) {
        surface.clear();
    }
    if (v.norm == repeat::Single || v.norm == repeat::AtRandom || v.norm == repeat::Now) fullClear(surface);
    if (isFirstOverlayPass(v.norm, r.passCounter)) fullClear(surface);
    if (fast) surface.clear();
    if (v.con >= 1 && firstOverlay(h, r)) drawConstellationLines(h, surface, screen);
    if (firstOverlay(h, r)) {
        plotStarField(h, surface, screen, plotting);
        ports.events.letEventsRun();
    }
    if (withNames(v.sname)) {
        surface.setPersistence(false);
        if (firstOverlay(h, r)) drawSkyLabels(h, surface, screen, r.passCounter);
        drawSkyBodies(h, surface, screen, plotting, r.passCounter, passNumbers);
        ports.events.letEventsRun();
    } else {
        drawSkyBodies(h, surface, screen, plotting, r.passCounter, passNumbers);
        ports.events.letEventsRun();
    }
}

}  // namespace

PassChart passChartOf(const PanelVariables& v)
{
    if (v.selec == display::Zodiac) return PassChart::Zodiac;
    if (isOrbitView(v.selec)) return PassChart::Orbit;
    return PassChart::Sky;
}

bool fastSkyPass(const PanelVariables& v)
{
    return v.norm <= repeat::AtRandom && v.preci == 0 && !namesOnly(v.sname) && isSkyView(v.selec);
}

ModeChanges modeChangesOf(const PanelVariables& v, const RequestState& r)
{
    return {v.selec != r.old.selec, v.norm != r.old.norm, namesOnly(r.old.sname) && v.sname != r.old.sname};
}

void drawPass(const Halvane& h, const RequestState& r, StarPlotting& plotting, PassNumberMarks& passNumbers,
              DrawPorts ports)
{
    if (fastSkyPass(h.vars)) {
        drawSky(h, r, true, plotting, passNumbers, ports);
        return;
    }
    applyClearingRules(h, r, ports.surface);
    const PassChart chart = passChartOf(h.vars);
    if (chart == PassChart::Zodiac) {
        drawZodiacChart(h, r, ports.surface, ports.events);
    } else if (chart == PassChart::Orbit) {
        drawOrbitView(h, r, plotting, ports);
        ports.events.letEventsRun();
    } else {
        drawSky(h, r, false, plotting, passNumbers, ports);
    }
}

}  // namespace halvane
