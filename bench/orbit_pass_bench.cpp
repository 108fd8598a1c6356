// What a click on an orbit view waits for: a whole render request in Single
// mode (no pause) on a full-HD surface, all 30 bodies with their names over
// the star background, at the default magnification.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "panel/change_handlers.h"
#include "render/render_request.h"
#include "started_program.h"

namespace halvane {
namespace {

using bench::program;
using bench::StartedProgram;

void click(benchmark::State& state, const char* displayMode, const char* tilt)
{
    StartedProgram& p = program();
    Surface surface(QSize(1920, 1080));
    const std::vector<std::pair<ComboBox, const char*>> choices{
        {Combo5, displayMode}, {Combo1, "All bodies"}, {Combo2, "+Nane"}, {Combo4, "Single"}};
    std::vector<std::pair<ComboBox, std::string>> before;
    for (const auto& [box, text] : choices) {
        before.emplace_back(box, p.h.panel.box(box).shown);
        setShown(p.h, box, text);
    }
    setText(p.h, Text3, "20");
    for (auto _ : state) {
        setText(p.h, Text1, "0");
        setText(p.h, Text2, tilt);
        Form_MouseUp(p.h, {surface, p.clock, p.random, p.events, p.messages}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
    for (const auto& [box, text] : before) setShown(p.h, box, text);
}

void BM_OrbitPass1(benchmark::State& state) { click(state, "1-Orbit", "60"); }
BENCHMARK(BM_OrbitPass1)->Unit(benchmark::kMillisecond);

void BM_OrbitPass2(benchmark::State& state) { click(state, "2-Orbit", "60"); }
BENCHMARK(BM_OrbitPass2)->Unit(benchmark::kMillisecond);

void BM_OrbitPass3D(benchmark::State& state) { click(state, "3D-Orb", "60"); }
BENCHMARK(BM_OrbitPass3D)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
