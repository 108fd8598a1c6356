// An empty solar system for orbit-view tests: blank tables (every orbit too
// small to draw, every name empty) on an 801 x 701 pixel surface (the middle inside a pixel) of 15 twips,
// into which a test puts the bodies it looks for.
#pragma once

#include <memory>

#include "ephemeris/vector.h"
#include "fakes.h"
#include "orbits/orbit_frame.h"
#include "panel/halvane.h"
#include "render/pass_drawing.h"

namespace halvane::testing {

inline constexpr Rgb yellow{255, 255, 0};

struct OrbitScene {
    std::unique_ptr<Halvane> form = std::make_unique<Halvane>();
    Halvane& h = *form;
    Surface surface{QSize(801, 701)};
    RequestState r;
    StarPlotting plotting;
    FakeClock clock;
    ScriptedRandom random;
    FakeEventPump events;
    double cx = surface.scaleWidth() / 2, cy = surface.scaleHeight() / 2;

    // Magnification 200 makes one AU 1100 twips.
    explicit OrbitScene(int selec, double kaiten = 0, double Ka = 90, double b0 = 200)
    {
        auto& v = h.vars;
        v.selec = selec;
        v.kaiten = static_cast<float>(kaiten);
        v.Ka = Ka;
        v.b0 = b0;
        r.ae = surface.scaleWidth();
        r.bb = surface.scaleHeight();
        r.b3 = b0;
        events.clock = &clock;
    }

    void draw()
    {
        prepareOrbitView(h, r, plotting);
        drawOrbitView(h, r, plotting, {surface, clock, random, events});
    }

    // Body i at p (AU) on an orbit of semi-major axis a.
    void place(int i, const Xyz& p, double a)
    {
        h.bodies.x[i] = p.x;
        h.bodies.y[i] = p.y;
        h.bodies.z[i] = p.z;
        h.bodies.semiMajorAxis[i] = a;
    }

    Rgb at(double x, double y) const { return surface.point(x, y); }
};

}  // namespace halvane::testing
