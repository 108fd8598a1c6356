// What a click in Zodiac mode waits for: a whole render request on a
// full-HD surface, from the panel read to the end of the pass.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "fakes.h"
#include "panel/change_handlers.h"
#include "render/render_request.h"

namespace halvane {
namespace {

void BM_ZodiacPass(benchmark::State& state)
{
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    testing::FakeEventPump events;
    formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
    setShown(h, Combo5, "Zodiac");
    Surface surface(QSize(1920, 1080));
    surface.setFontFamily(QStringLiteral("IPAPGothic"));  // the program's face
    for (auto _ : state) {
        Form_MouseUp(h, {surface, clock, random, events, messages}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
}
BENCHMARK(BM_ZodiacPass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
