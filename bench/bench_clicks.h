// Clicks on the started program's window: the panel set as a fresh program
// shows it, then the clicks timed at the centre of a full-HD surface.
#pragma once

#include <benchmark/benchmark.h>

#include "panel/change_handlers.h"
#include "render/render_request.h"
#include "started_program.h"

namespace halvane::bench {

// Shows row `row` of a selection box.
inline void choose(Halvane& h, ComboBox box, size_t row) { setShown(h, box, h.panel.box(box).entries.at(row)); }

// The viewpoint box (Combo6) or the follow box (Combo8) set to body `i`.
inline void chooseBody(Halvane& h, ComboBox box, int i)
{
    const auto& names = box == Combo6 ? h.texts.bodyNames : h.texts.followNames;
    setShown(h, box, names[language(h.vars.je)][static_cast<size_t>(i)]);
}

// The panel as a fresh program shows it: Sky-equatorial, Single, Precision,
// no names, no lines, all bodies, from the Earth, following nothing.
inline void defaultPanel(Halvane& h, const char* magnification)
{
    setText(h, Text3, magnification);
    choose(h, Combo5, display::SkyEquatorial);
    choose(h, Combo4, repeat::Single);
    choose(h, Combo10, 0);
    choose(h, Combo2, 0);
    choose(h, Combo9, 0);
    choose(h, Combo1, 0);
    chooseBody(h, Combo6, body::Earth);
    chooseBody(h, Combo8, body::FixedPoint);
    choose(h, Combo11, 0);
}

// Times clicks at the centre of a full-HD surface; `aim` sets the panel
// before each, as a click leaves it changed.
template <typename Aim> void clicks(benchmark::State& state, Aim aim)
{
    StartedProgram& p = program();
    Surface surface(QSize(1920, 1080));
    p.events.hook = [&p] { p.h.flags.t99 = true; };
    for (auto _ : state) {
        aim(p.h);
        Form_MouseUp(p.h, {surface, p.clock, p.random, p.events}, surface.scaleWidth() / 2, surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
}

}  // namespace halvane::bench
