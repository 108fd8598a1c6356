#include "render/render_request.h"

#include <algorithm>
#include <cmath>

#include "animation/idle_animation.h"
#include "ephemeris/reference_points.h"
#include "panel/change_handlers.h"
#include "panel/request_state.h"
#include "render/aim_point.h"
#include "render/end_of_pass.h"
#include "render/medley.h"
#include "render/panel_sync.h"
#include "render/pass_drawing.h"
#include "render/pass_readouts.h"
#include "render/positions.h"
#include "render/scenes.h"
#include "render/time_model.h"
#include "render/view_angles.h"
#include "sky/star_plotting.h"
#include "util/vector_registers.h"

namespace halvane {

namespace {

double runTimeStep(const Halvane& h) { return isRun(h.vars.norm) ? h.vars.t10.value() : 0; }

// Saturn passes the fixed point: the fixed point is put where Saturn is now
// and a Sequential run in small steps starts three hours earlier.
void applySaturnScene(Halvane& h, RequestState& r, RenderPorts& ports)
{
    applySaturnSettings(h, r);
    clockStep(h, ports.clock, r.old.norm);
    computeTime(h, r.timeStep);
    computePositions(h);
    const auto& b = h.bodies;
    const double x = b.x[body::Saturn], y = b.y[body::Saturn], z = b.z[body::Saturn];
    setText(h, Text17, numberText(x));
    setText(h, Text18, numberText(y));
    setText(h, Text19, numberText(z));
    h.vars.Ho = h.vars.Ho - 3;
    dateToPanel(h);
}

// What a click gives a new request: the opening animation stops and the
// idle animation may run again.
void startFlags(Halvane& h)
{
    h.flags.pz = true;
    h.flags.t99 = false;
}

// A scene, a medley's next one too, starts as a click on it would: the
// flags of a new request, a run counted from its first pass, no click
// position.
void loadScene(Halvane& h, RequestState& r, RenderPorts& ports)
{
    auto& v = h.vars;
    startFlags(h);
    r.passCounter = 0;
    r.previousView.reset();
    r.X = r.Y = 0;
    if (v.scene == SaturnScene) {
        applySaturnScene(h, r, ports);
    } else if (v.scene >= 1 && v.scene <= 40 && h.demo.wasRead(v.scene)) {
        loadScriptScene(h, v.scene, r);
        if (v.Ye.value() == 0)
            clockStep(h, ports.clock, r.old.norm);
        else
            dateToPanel(h);  // the panel shows the moment the scene draws
    } else {
        v.scene = 0;  // no such scene
        return;
    }
    v.scene = 0;
    panelWriteBack(h);
    panelRead(h);
}

void showCaptions(Halvane& h)
{
    const auto& labels = h.texts.coordinateLabels[language(h.vars.je)];
    const bool equatorialFirst = isEquatorialView(h.vars.selec);
    setText(h, Text20, labels[equatorialFirst ? 0 : 1]);
    setText(h, Text21, labels[equatorialFirst ? 1 : 0]);
}

// Moves the aim point onto the followed body, a few rounds so that the
// body ends at the centre however far the view moved.
void followTarget(Halvane& h)
{
    const int s = h.vars.see;
    const double t = boxNumber(h, Text15), m = boxNumber(h, Text3), d = boxNumber(h, Text2);
    double rounds = Int(600 * std::pow(std::abs(t * m), 0.125) / (90 - std::abs(d)));
    // At a pole (|d| = 90) the count has no bound; a few hundred rounds settle any view.
    if (!(rounds >= 7)) rounds = 7;
    rounds = std::min(rounds, 1000.0);
    for (int round = 0; round < static_cast<int>(rounds); ++round) {
        displayFrameTransform(h, s);
        const StarRow& row = h.stars.stars[static_cast<size_t>(s)];
        AimDegrees aim{boxNumber(h, Text1) + 180 / p0 * row[star::ViewU],
                       boxNumber(h, Text2) + 180 / p0 * row[star::ViewV]};
        aim = wrapAim(aim);
        setText(h, Text1, numberText(aim.first));
        setText(h, Text2, numberText(aim.second));
    }
}

// One pass; false when the request ends with it.
bool runPass(Halvane& h, RequestState& r, StarPlotting& plotting, RenderPorts& ports)
{
    auto& v = h.vars;
    settleVectorRegisters();  // whatever the window did since the last pass
    r.old = {v.sname, v.je, v.norm, v.selec};
    // The window goes on showing the last whole picture until this pass has
    // cleared and drawn its own.
    WholePicture picture(ports.surface);

    readLanguage(h);
    panelRead(h);
    if (v.je != r.old.je) panelWriteBack(h);

    advanceMedley(h, r, ports.clock);
    if (v.scene != 0) loadScene(h, r, ports);
    r.scenePeriod = (isOrbitView(v.selec) && withNames(v.sname)) ? 40 : 15;
    showCaptions(h);

    if (v.norm == repeat::AtRandom || v.norm == repeat::Now) clockStep(h, ports.clock, r.old.norm);
    if (v.norm == repeat::Default) {
        applyDefaultReset(h);
        clockStep(h, ports.clock, r.old.norm);
        panelWriteBack(h);
        panelRead(h);
    }

    computeTime(h, r.timeStep);
    r.ae = ports.surface.scaleWidth();
    r.bb = ports.surface.scaleHeight();
    if (v.norm == repeat::Single || v.norm == repeat::Now || (isRun(v.norm) && r.passCounter == 0))
        recentreOnClick(h, r);

    v.b0 = boxNumber(h, Text3);
    r.b3 = v.b0;
    r.timeStep = runTimeStep(h);

    if (v.norm == repeat::AtRandom) {
        randomAimPoint(h, ports.random);
        if (v.see != body::FixedPoint) {
            v.see = body::FixedPoint;
            panelWriteBack(h);
        }
        if (isSkyView(v.selec)) h.flags.t99 = false;
    }

    if (isRun(v.norm)) {
        r.passCounter += 1;
        if (r.passCounter >= boxNumber(h, Text16) && h.flags.scene2 != 1) return false;
    }

    computePositions(h);
    if (v.view == body::Earth) earthViewStep(h.sky, h.time.Ti);
    const bool skyDisplay = !isOrbitView(v.selec);
    if (body::isBody(v.see) && skyDisplay) followTarget(h);
    companionReadout(h);

    drawPassChart(h, r, plotting, {ports.surface, ports.clock, ports.random, ports.events});
    picture.show();

    const bool skyWithStars = isSkyView(v.selec) && !namesOnly(v.sname);
    if (skyWithStars) {
        writeAimReadouts(h);
        if (idleAnimationDue(h, r)) {
            const bool repainted = idleAnimation(h, {r.ae, r.bb, r.b3}, plotting,
                                                 {ports.surface, ports.clock, ports.random, ports.events});
            if (repainted) showStarPrecision(h);
        }
    }
    roundAngleBoxes(h);
    if (v.norm == repeat::Now) clockStep(h, ports.clock, r.old.norm);
    ports.events.passDrawn();
    return anotherPass(h);
}

}  // namespace

void Form_MouseUp(Halvane& h, RenderPorts ports, double X, double Y)
{
    RequestState r;
    StarPlotting plotting;
    startFlags(h);
    r.timeStep = runTimeStep(h);
    if (h.vars.scene != MedleyScene) h.flags.scene2 = 0;
    r.X = h.vars.scene != 0 ? 0 : X;
    r.Y = h.vars.scene != 0 ? 0 : Y;
    for (double passStart = ports.clock.secondsSinceMidnight(); runPass(h, r, plotting, ports);
         passStart = ports.clock.secondsSinceMidnight()) {
        if (ports.leastPassSeconds > 0) waitUntil(passStart, ports.leastPassSeconds, ports.events, ports.clock);
    }
}

}  // namespace halvane
