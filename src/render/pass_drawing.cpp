#include "render/pass_drawing.h"

#include "drawing/drawing_sequence.h"
#include "orbits/orbit_frame.h"
#include "panel/change_handlers.h"
#include "render/tail_ends.h"
#include "render/view_angles.h"
#include "zodiac/zodiac_chart.h"

namespace halvane {

namespace {

RequestState::View shownView(const Halvane& h)
{
    return {boxNumber(h, Text3), boxNumber(h, Text1), boxNumber(h, Text2)};
}

}  // namespace

void prepareZodiacChart(Halvane& h, RequestState& r)
{
    h.flags.t99 = true;
    if (h.vars.view == body::Earth) r.equinoxDeg = equinoxMarkerDeg(h);
}

void prepareOrbitView(Halvane& h, RequestState& r, StarPlotting& plotting)
{
    const auto& v = h.vars;
    if (!orbitViewDrawn(v)) return;
    h.flags.t99 = true;
    r.b3 = v.b0;
    if (v.con >= 1) centreLineEnds(h);
    if (orbitViewShowsStars(v)) projectStars(h, orbitBackground(r.ae, r.bb), plotting);
    keepOrbitTailEnds(h);
}

void prepareSkyView(Halvane& h, RequestState& r, StarPlotting& plotting)
{
    const auto& v = h.vars;
    if (v.sname != 2) projectStars(h, {r.ae, r.bb, r.b3}, plotting);
    transformBodies(h);
    if (v.con >= 1) centreLineEnds(h);
    if (v.sname == 2) return;
    // The overlay mode's pass numbers are kept from the first pass of its run.
    if (!isLaterOverlayPass(v.norm, r.passCounter)) r.passNumbers.clear();
    const RequestState::View view = shownView(h);
    r.viewMoved = r.previousView != view;
    r.previousView = view;
    keepSkyTailEnds(h);
}

void drawPassChart(Halvane& h, RequestState& r, StarPlotting& plotting, DrawPorts ports)
{
    auto& v = h.vars;
    v.kaiten = static_cast<float>(boxNumber(h, Text1));
    v.Ka = boxNumber(h, Text2);
    if (!fastSkyPass(v) && modeChangesOf(v, r).any()) {
        r.passCounter = 0;
        r.modeChanged = true;
    }
    const PassChart chart = passChartOf(v);
    if (chart == PassChart::Zodiac) prepareZodiacChart(h, r);
    if (chart == PassChart::Orbit) prepareOrbitView(h, r, plotting);
    if (chart == PassChart::Sky) prepareSkyView(h, r, plotting);

    // An orbit view that is drawn counts a pass after a change of mode as
    // the first of its run, and once it has drawn the orbits the run keeps
    // them as its background; both as the panel stood when it began.
    const bool orbitDrawn = chart == PassChart::Orbit && orbitViewDrawn(v);
    const bool orbitsDrawn = orbitDrawn && v.sname != 2;
    drawPass(h, r, plotting, r.passNumbers, ports);
    if (orbitDrawn) r.passCounter = orbitPassNumber(r.passCounter);
    if (orbitsDrawn) r.modeChanged = false;
}

}  // namespace halvane
