// What a click on a sky view waits for: a whole render request on a
// full-HD surface with the real catalogue, from the panel read to the end
// of the pass. The idle animation after the pass is not counted: the first
// look at pending events during the drawing tells it to stop.
#include <benchmark/benchmark.h>

#include "bench_clicks.h"
#include "panel/change_handlers.h"
#include "render/positions.h"
#include "render/time_model.h"

namespace halvane {
namespace {

using bench::choose;
using bench::chooseBody;
using bench::clicks;
using bench::defaultPanel;
using bench::program;

void click(benchmark::State& state, const char* magnification)
{
    defaultPanel(program().h, magnification);
    clicks(state, [](Halvane& h) {
        setText(h, Text1, "90");
        setText(h, Text2, "0");
    });
}

// Precision at magnification 300: every row of the table is considered.
void BM_SkyPassPrecision(benchmark::State& state) { click(state, "300"); }
BENCHMARK(BM_SkyPassPrecision)->Unit(benchmark::kMillisecond);

// The default click: magnification 20.
void BM_SkyPassDefault(benchmark::State& state) { click(state, "20"); }
BENCHMARK(BM_SkyPassDefault)->Unit(benchmark::kMillisecond);

// The default click with everything on: "Bright Line", "+Name", all bodies.
void BM_SkyPassFull(benchmark::State& state)
{
    Halvane& h = program().h;
    defaultPanel(h, "20");
    choose(h, Combo9, 2);
    choose(h, Combo2, 1);
    clicks(state, [](Halvane& h) {
        setText(h, Text1, "90");
        setText(h, Text2, "0");
    });
}
BENCHMARK(BM_SkyPassFull)->Unit(benchmark::kMillisecond);

// The moment and place of a click: UT date and time with lag 0.
void setMoment(Halvane& h, const char* year, const char* month, const char* day, const char* hour, const char* minute)
{
    setText(h, Text4, year);
    setText(h, Text5, month);
    setText(h, Text6, day);
    setText(h, Text7, hour);
    setText(h, Text8, minute);
    setText(h, Text9, "0");
    setText(h, Text10, "0");
}

// The pass of the Saturn scene with Saturn nearest the fixed point: the
// scene's settings, the fixed point where Saturn is at 21:05, the pass
// 7 minutes before, when Saturn's disc and rings fill the window.
void BM_SaturnNearest(benchmark::State& state)
{
    Halvane& h = program().h;
    defaultPanel(h, "30");
    choose(h, Combo2, 1);
    choose(h, Combo10, 1);
    choose(h, Combo11, 1);
    choose(h, Combo14, 2);
    choose(h, Combo15, 2);
    choose(h, Combo9, 1);
    setMoment(h, "2026", "12", "8", "21", "5");
    computeTime(h, 0);
    computePositions(h);
    setText(h, Text17, numberText(h.bodies.x[body::Saturn]));
    setText(h, Text18, numberText(h.bodies.y[body::Saturn]));
    setText(h, Text19, numberText(h.bodies.z[body::Saturn]));
    chooseBody(h, Combo6, body::FixedPoint);
    chooseBody(h, Combo8, body::Saturn);
    clicks(state, [](Halvane& h) {
        setMoment(h, "2026", "12", "8", "20", "58");
        setText(h, Text3, "30");
    });
}
BENCHMARK(BM_SaturnNearest)->Unit(benchmark::kMillisecond);

// Jupiter followed to the centre at magnification 100,000.
void BM_PlanetDiscZoomed(benchmark::State& state)
{
    Halvane& h = program().h;
    defaultPanel(h, "100000");
    chooseBody(h, Combo8, body::Jupiter);
    clicks(state, [](Halvane& h) { setMoment(h, "2026", "12", "8", "21", "5"); });
}
BENCHMARK(BM_PlanetDiscZoomed)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
