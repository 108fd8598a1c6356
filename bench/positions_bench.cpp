// The position computation of one pass, every body placed and its direction
// from the Earth worked out, by each position model.
#include <benchmark/benchmark.h>

#include "render/positions.h"
#include "render/sky_at.h"

namespace halvane {
namespace {

void positions(benchmark::State& state, PositionModel model)
{
    const auto h = testing::formWithTables(HALVANE_ASSETS_DIR);
    h->positionModel = model;
    h->vars.view = body::Earth;
    h->time.Ti = 40.22;  // November 2022
    for (auto _ : state) benchmark::DoNotOptimize(computePositions(*h));
}

void BM_PositionsBuiltin(benchmark::State& state) { positions(state, PositionModel::Builtin); }
BENCHMARK(BM_PositionsBuiltin)->Unit(benchmark::kMicrosecond);

void BM_PositionsPrecise(benchmark::State& state) { positions(state, PositionModel::Precise); }
BENCHMARK(BM_PositionsPrecise)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvane
