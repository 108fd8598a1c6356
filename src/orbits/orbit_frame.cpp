#include "orbits/orbit_frame.h"

#include <array>

#include "orbits/orbit_bodies.h"
#include "orbits/orbit_curves.h"
#include "orbits/orbit_pacing.h"
#include "sky/constellation_lines.h"

namespace halvane {

namespace {

// Each begins with ten ideographic spaces.
constexpr std::array<const char*, 2> lowerMagnification{
    "　　　　　　　　　　倍率を小さくしてください",
    "　　　　　　　　　　Please lower magnifying power.",
};

// The backgrounds are drawn at magnification 20 whatever the view's.
constexpr double backgroundMagnification = 20;

// Always at the top left of the surface, whatever was printed before: the
// leading spaces put the words right of the panel.
void askForLowerMagnification(const Halvane& h, Surface& surface)
{
    surface.setFontSize(26);
    surface.setForeColour({255, 255, 255});
    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.print(lowerMagnification[language(h.vars.je)]);
}

bool firstPassOfRun(const Halvane& h, int passCounter, bool modeChanged)
{
    const int norm = h.vars.norm;
    return !(isRun(norm) && passCounter != 1 && !modeChanged);
}

// A Sequential run's first pass draws with persistence on, so that its
// orbits stay as the background of the run.
void clearForRun(const Halvane& h, int passCounter, bool modeChanged, Surface& surface)
{
    if (!firstPassOfRun(h, passCounter, modeChanged)) return;
    const int norm = h.vars.norm;
    if (norm == repeat::Sequential) {
        surface.setPersistence(true);
        surface.clear();
    } else if (!isLaterOverlayPass(norm, passCounter)) {
        surface.clear();
    }
}

}  // namespace

bool orbitViewDrawn(const PanelVariables& v) { return v.b0.value() < 10000; }

bool orbitViewShowsStars(const PanelVariables& v) { return withNames(v.sname) && v.selec != display::ThreeDOrbit; }

SkyScreen orbitBackground(double ae, double bb) { return {ae, bb, backgroundMagnification}; }

int orbitPassNumber(int passCounter) { return passCounter == 0 ? 1 : passCounter; }

void drawOrbitView(const Halvane& h, const RequestState& r, StarPlotting& plotting, DrawPorts ports)
{
    const auto& v = h.vars;
    Surface& surface = ports.surface;
    if (!orbitViewDrawn(v)) {
        askForLowerMagnification(h, surface);
        surface.showPicture();
        paceOrbitView(v.selec, v.norm, ports.events, ports.clock);  // a random run waits as after a picture
        return;
    }
    surface.setBackColour({0, 0, 0});
    const bool clearsEachPass = v.norm == repeat::Single || v.norm == repeat::AtRandom || v.norm == repeat::Now;
    if (!namesOnly(v.sname) && clearsEachPass) fullClear(surface);
    if (isFirstOverlayPass(v.norm, r.passCounter)) fullClear(surface);

    const OrbitView view = orbitViewOf(v, r.ae, r.bb, r.b3);
    surface.setFontSize(view.labelSize);
    surface.setPenWidth(1);
    const SkyScreen background = orbitBackground(r.ae, r.bb);
    if (v.con >= 1 && namesOnly(v.sname)) drawConstellationLines(h, surface, background);
    const int passCounter = orbitPassNumber(r.passCounter);

    if (!namesOnly(v.sname)) {
        clearForRun(h, passCounter, r.modeChanged, surface);
        if (v.con >= 1) drawConstellationLines(h, surface, background);
        if (orbitViewShowsStars(v)) plotStarField(h, surface, background, plotting);
        drawOrbitCurves(h, view, surface, ports.events, ports.random);
    }
    drawOrbitBodies(h, view, passCounter, surface);
    surface.showPicture();  // the whole picture stays while a random run waits
    paceOrbitView(v.selec, v.norm, ports.events, ports.clock);
}

}  // namespace halvane
