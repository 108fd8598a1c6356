// What a horizon chart waits for once the catalogue is in memory: the
// panel read, the positions of the moment and the whole chart drawn on a
// full-HD surface, with each position model.
#include <benchmark/benchmark.h>

#include "render/horizon_request.h"
#include "started_program.h"

namespace halvane {
namespace {

void BM_HorizonChart(benchmark::State& state)
{
    Halvane& h = bench::program().h;
    const PositionModel kept = h.positionModel;
    h.positionModel = state.range(0) == 0 ? PositionModel::Builtin : PositionModel::Precise;
    const auto tokyo = placeArgument("tokyo");
    Surface surface(QSize(1920, 1080));
    surface.setFontFamily(chartFontFamily);
    for (auto _ : state) {
        renderHorizonChart(h, *tokyo, surface);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
    h.positionModel = kept;
}
// 0 the built-in model, 1 the precise one.
BENCHMARK(BM_HorizonChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
