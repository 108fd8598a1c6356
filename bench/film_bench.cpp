// What a user of a film waits for: frames written a second for a full-HD
// Sequential sky run at the default pace (0.2 s a pass, 25 frames a
// second), drawing and H.264 encoding into an MP4 file included.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "fakes.h"
#include "film/film_encoder.h"
#include "film/frame_source.h"

namespace {

void BM_FilmFrames(benchmark::State& state)
{
    using namespace halvane;
    const QTemporaryDir dir;
    const std::string path = dir.filePath("run.mp4").toStdString();
    const ChartArguments parsed = parseChartArguments(
        {"--date", "2026-12-08", "--time", "21:00", "--repeat", "sequential", "--times", "41", "--out", path});
    testing::RecordingMessages messages;
    long frames = 0;
    for (auto _ : state) {
        auto h = std::make_unique<Halvane>();
        FilmEncoder encoder(path, path, FilmFormat::Mp4, 1920, 1080, DefaultFramesPerSecond, nullptr);
        filmFrames(*h, *parsed.request, HALVANE_ASSETS_DIR, messages, encoder, nullptr);
        encoder.finish();
        frames += encoder.frames();
    }
    state.counters["frames_per_second"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FilmFrames)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
