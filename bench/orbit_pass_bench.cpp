// What a click on an orbit view waits for: a whole render request in Single
// mode (no pause) on a full-HD surface, all 30 bodies with their names over
// the star background, at the default magnification.
#include <benchmark/benchmark.h>

#include "bench_clicks.h"
#include "panel/change_handlers.h"

namespace halvane {
namespace {

using bench::clicks;
using bench::defaultPanel;
using bench::program;

void click(benchmark::State& state, const char* displayMode)
{
    Halvane& h = program().h;
    defaultPanel(h, "20");
    setShown(h, Combo5, displayMode);
    setShown(h, Combo1, "All bodies");
    setShown(h, Combo2, "+Nane");
    setShown(h, Combo4, "Single");
    clicks(state, [](Halvane& h) {
        setText(h, Text1, "0");
        setText(h, Text2, "60");  // tilted 60 degrees: the orbits as ellipses
    });
}

void BM_OrbitPass1(benchmark::State& state) { click(state, "1-Orbit"); }
BENCHMARK(BM_OrbitPass1)->Unit(benchmark::kMillisecond);

void BM_OrbitPass2(benchmark::State& state) { click(state, "2-Orbit"); }
BENCHMARK(BM_OrbitPass2)->Unit(benchmark::kMillisecond);

void BM_OrbitPass3D(benchmark::State& state) { click(state, "3D-Orb"); }
BENCHMARK(BM_OrbitPass3D)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
