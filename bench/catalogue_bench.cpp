// What the user waits for behind the opening screen: the star catalogue read
// and every row, named star and line end point converted to ecliptic angles.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "data/catalogue_conversion.h"
#include "data/star_catalogue.h"

namespace halvane {
namespace {

class IgnoredMessages : public Messages {
public:
    void show(const std::string&) override {}
};

void loadAndConvert(benchmark::State& state, const std::string& folder)
{
    StarTables tables;  // made once at start-up, as the form state is
    IgnoredMessages messages;
    for (auto _ : state) {
        readStarCatalogue(tables, folder, messages);
        convertToEcliptic(tables);
        benchmark::DoNotOptimize(tables.stars.data());
    }
    state.counters["records"] = tables.lastCatalogueRow - star::FirstRow + 1;
}

// The catalogue beside the program.
void BM_CatalogueLoad(benchmark::State& state) { loadAndConvert(state, HALVANE_ASSETS_DIR); }

// A folder holding a catalogue of the full 258997 records, written once, in
// the form of the real one.
const std::string& fullCatalogueFolder()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "halvane-full-catalogue";
        std::filesystem::create_directories(path);
        std::ofstream out(path / "starsdata.dat", std::ios::binary);
        std::mt19937 random(1);
        std::uniform_real_distribution<double> uniform(0, 1);
        const char* const classes[] = {"O", "B", "A", "F", "G", "K", "M", ""};
        char line[96];
        for (int record = 0; record < star::LastRow - star::FirstRow + 1; ++record) {
            std::snprintf(line, sizeof line, "%.5f,%.5f,%.5g,\"%s\"\n", 628.31853 * uniform(random),
                          314.15927 * (uniform(random) - 0.5), 1500 * uniform(random), classes[random() % 8]);
            out << line;
        }
        return path.string();
    }();
    return folder;
}

void BM_CatalogueLoadFull(benchmark::State& state) { loadAndConvert(state, fullCatalogueFolder()); }

BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueLoadFull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvane
