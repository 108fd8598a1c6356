#include "starfield/orbit_frame.h"

#include <array>

#include "starfield/constellation_lines.h"
#include "starfield/orbit_bodies.h"
#include "starfield/orbit_curves.h"
#include "starfield/orbit_pacing.h"

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

bool firstPassOfRun(const Halvane& h, const RequestState& r)
{
    const int norm = h.vars.norm;
    return !((norm == repeat::Sequential || norm == repeat::Overlaid) && r.passCounter != 1 && !r.modeChanged);
}

// A Sequential run's first pass draws with persistence on, so that its
// orbits stay as the background of the run.
void clearForRun(const Halvane& h, const RequestState& r, Surface& surface)
{
    if (!firstPassOfRun(h, r)) return;
    const int norm = h.vars.norm;
    if (norm == repeat::Sequential) {
        surface.setPersistence(true);
        surface.clear();
    } else if (norm != repeat::Overlaid || r.passCounter == 1) {
        surface.clear();
    }
}

}  // namespace

void drawOrbitView(Halvane& h, RequestState& r, StarPlotting& plotting, DrawPorts ports)
{
    const auto& v = h.vars;
    Surface& surface = ports.surface;
    if (v.b0.value() >= 10000) {
        askForLowerMagnification(h, surface);
        surface.showPicture();
        paceOrbitView(v.selec, v.norm, ports.events, ports.clock);  // a random run waits as after a picture
        return;
    }
    surface.setBackColour({0, 0, 0});
    const bool clearsEachPass = v.norm == repeat::Single || v.norm == repeat::AtRandom || v.norm == repeat::Now;
    if (v.sname != 2 && clearsEachPass) fullClear(surface);
    if (r.passCounter == 1 && v.norm == repeat::Overlaid) fullClear(surface);

    h.flags.t99 = true;
    r.b3 = v.b0;
    const OrbitView view = orbitViewOf(v, r.ae, r.bb, r.b3);
    surface.setFontSize(view.labelSize);
    surface.setPenWidth(1);
    const SkyScreen background{r.ae, r.bb, backgroundMagnification};
    if (v.con >= 1 && v.sname == 2) drawConstellationLines(h, surface, background);
    if (r.passCounter == 0) r.passCounter = 1;

    if (v.sname != 2) {
        clearForRun(h, r, surface);
        if (v.con >= 1) drawConstellationLines(h, surface, background);
        if (v.sname == 1 && v.selec != display::ThreeDOrbit) {
            projectStars(h, background, plotting);
            plotStarField(h, surface, background, plotting);
        }
        drawOrbitCurves(h, view, surface, ports.events, ports.random);
        r.modeChanged = false;
    }
    drawOrbitBodies(h, view, r.passCounter, surface);
    surface.showPicture();  // the whole picture stays while a random run waits
    paceOrbitView(v.selec, v.norm, ports.events, ports.clock);
}

}  // namespace halvane
