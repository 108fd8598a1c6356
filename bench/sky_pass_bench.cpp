// What a click on a sky view waits for: the star rows projected around the
// aim point, the screen cleared and the stars plotted on a full-HD surface.
#include <benchmark/benchmark.h>

#include <memory>

#include "data/star_catalogue.h"
#include "panel/halvane.h"
#include "starfield/star_plotting.h"
#include "surface/surface.h"

namespace halvane {
namespace {

class SilentMessages : public Messages {
public:
    void show(const std::string&) override {}
};

// The real catalogue, read once, with the panel's default settings.
Halvane& catalogueForm()
{
    static const std::unique_ptr<Halvane> form = [] {
        auto h = std::make_unique<Halvane>();
        SilentMessages messages;
        readStarCatalogue(h->stars, HALVANE_ASSETS_DIR, messages);
        return h;
    }();
    return *form;
}

void skyPass(benchmark::State& state, double b3)
{
    Halvane& h = catalogueForm();
    Surface surface(QSize(1920, 1080));
    const SkyScreen screen{surface.scaleWidth(), surface.scaleHeight(), b3};
    StarPlotting plotting;
    for (auto _ : state) {
        projectStars(h, screen, plotting);
        surface.setPersistence(true);
        surface.clear();
        surface.setPersistence(false);
        plotStarField(h, surface, screen, plotting);
        benchmark::DoNotOptimize(surface.screen().constBits());
    }
    state.counters["rows"] = plotting.starLimit - star::FirstRow + 1;
}

// Precision at magnification 300: every row of the table.
void BM_SkyPassPrecision(benchmark::State& state) { skyPass(state, 300); }
BENCHMARK(BM_SkyPassPrecision)->Unit(benchmark::kMillisecond);

// The default click: magnification 20, 20000 rows.
void BM_SkyPassDefault(benchmark::State& state) { skyPass(state, 20); }
BENCHMARK(BM_SkyPassDefault)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
