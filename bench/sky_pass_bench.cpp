// What a click on a sky view waits for: a whole render request on a
// full-HD surface with the real catalogue, from the panel read to the end
// of the pass. The idle animation after the pass is not counted: the first
// look at pending events during the drawing tells it to stop.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/activation.h"
#include "app/startup.h"
#include "fakes.h"
#include "panel/change_handlers.h"
#include "render/render_request.h"

namespace halvane {
namespace {

struct StartedProgram {
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    testing::FakeEventPump events;

    StartedProgram()
    {
        formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
        loadCatalogue(h, messages);
    }
};

StartedProgram& program()
{
    static const std::unique_ptr<StartedProgram> started = std::make_unique<StartedProgram>();
    return *started;
}

void click(benchmark::State& state, const char* magnification)
{
    StartedProgram& p = program();
    Surface surface(QSize(1920, 1080));
    setText(p.h, Text3, magnification);
    setShown(p.h, Combo10, "Precision");
    p.events.hook = [&p] { p.h.flags.t99 = true; };
    for (auto _ : state) {
        setText(p.h, Text1, "90");
        setText(p.h, Text2, "0");
        Form_MouseUp(p.h, {surface, p.clock, p.random, p.events, p.messages}, surface.scaleWidth() / 2,
                     surface.scaleHeight() / 2);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
}

// Precision at magnification 300: every row of the table is projected.
void BM_SkyPassPrecision(benchmark::State& state) { click(state, "300"); }
BENCHMARK(BM_SkyPassPrecision)->Unit(benchmark::kMillisecond);

// The default click: magnification 20.
void BM_SkyPassDefault(benchmark::State& state) { click(state, "20"); }
BENCHMARK(BM_SkyPassDefault)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
