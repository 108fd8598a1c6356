// What a user of halvane-chart waits for: the whole process for the default
// sky to PNG, from its start (Qt, data files, catalogue and its ecliptic
// conversion) through the click to the written file.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

void BM_ChartProcessDefaultSkyPng(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QStringList args{"--date", "2026-12-08", "--time", "21:00", "--out", dir.filePath("sky.png")};
    for (auto _ : state) {
        QProcess chart;
        chart.start(HALVANE_CHART_PROGRAM, args);
        if (!chart.waitForFinished(60000) || chart.exitCode() != 0) state.SkipWithError("halvane-chart failed");
    }
}
BENCHMARK(BM_ChartProcessDefaultSkyPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
