// What a click in Zodiac mode waits for: a whole render request on a
// full-HD surface, from the panel read to the end of the pass.
#include <benchmark/benchmark.h>

#include "fakes.h"
#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "render/render_request.h"

namespace halvane {
namespace {

// A fresh form of its own, not the shared program: the pass runs at the
// start-up moment with the start-up panel, whatever ran before.
void BM_ZodiacPass(benchmark::State& state)
{
    testing::StartedForm f;
    testing::FakeEventPump events;
    setShown(f.h, Combo5, "Zodiac");
    Surface surface(QSize(1920, 1080));
    surface.setFontFamily(chartFontFamily);
    for (auto _ : state) {
        Form_MouseUp(f.h, {surface, f.clock, f.random, events}, surface.scaleWidth() / 2, surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
}
BENCHMARK(BM_ZodiacPass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
