// What the user waits for behind the opening screen: the star catalogue read
// and every row, named star and line end point converted to ecliptic angles.
#include <benchmark/benchmark.h>

#include "data/catalogue_conversion.h"
#include "data/star_catalogue.h"

namespace halvane {
namespace {

class IgnoredMessages : public Messages {
public:
    void show(const std::string&) override {}
};

// The catalogue beside the program: all 258997 rows filled.
void BM_CatalogueLoad(benchmark::State& state)
{
    StarTables tables;  // made once at start-up, as the form state is
    IgnoredMessages messages;
    for (auto _ : state) {
        readStarCatalogue(tables, HALVANE_ASSETS_DIR, messages);
        convertToEcliptic(tables);
        benchmark::DoNotOptimize(tables.stars.data());
    }
    state.counters["records"] = tables.lastCatalogueRow - star::FirstRow + 1;
}

BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
