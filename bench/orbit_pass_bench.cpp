// What a click on an orbit view waits for: a whole render request in Single
// mode (no pause) on a full-HD surface, all 30 bodies with their names over
// the star background, at the default magnification.
#include <benchmark/benchmark.h>

#include "panel/change_handlers.h"
#include "render/render_request.h"
#include "started_program.h"

namespace halvane {
namespace {

using bench::program;
using bench::StartedProgram;

void click(benchmark::State& state, const char* displayMode)
{
    StartedProgram& p = program();
    Surface surface(QSize(1920, 1080));
    setShown(p.h, Combo5, displayMode);
    setShown(p.h, Combo1, "All bodies");
    setShown(p.h, Combo2, "+Nane");
    setShown(p.h, Combo4, "Single");
    setText(p.h, Text3, "20");
    for (auto _ : state) {
        setText(p.h, Text1, "0");
        setText(p.h, Text2, "60");  // tilted 60 degrees: the orbits as ellipses
        Form_MouseUp(p.h, {surface, p.clock, p.random, p.events, p.messages}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
}

void BM_OrbitPass1(benchmark::State& state) { click(state, "1-Orbit"); }
BENCHMARK(BM_OrbitPass1)->Unit(benchmark::kMillisecond);

void BM_OrbitPass2(benchmark::State& state) { click(state, "2-Orbit"); }
BENCHMARK(BM_OrbitPass2)->Unit(benchmark::kMillisecond);

void BM_OrbitPass3D(benchmark::State& state) { click(state, "3D-Orb"); }
BENCHMARK(BM_OrbitPass3D)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
