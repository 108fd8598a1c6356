// Randomly damaged copies of every real data file: each is either read or
// refused with one message, never crashes (the test build runs under the
// address and undefined-behaviour sanitizers) and never stores a number
// that is not finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <type_traits>

#include "data/age_file.h"
#include "data/constellation_lines.h"
#include "data/demo_script.h"
#include "data/named_stars.h"
#include "data/small_body_files.h"
#include "data/star_catalogue.h"
#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

// The bytes of a file in assets/ ("" when it is not there).
std::string assetContent(const std::string& name)
{
    std::ifstream in(std::string(HALVANE_ASSETS_DIR) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Whether every number of a table, or of a table of tables, is finite.
template <typename Table> bool allFinite(const Table& table)
{
    for (const auto& entry : table) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(entry)>>) {
            if (!std::isfinite(entry)) return false;
        } else if (!allFinite(entry)) {
            return false;
        }
    }
    return true;
}

// Truncates, flips bytes, deletes a comma or a quote, or inserts text.
void damageOnce(std::string& text, std::mt19937& random)
{
    auto at = [&](size_t size) { return std::uniform_int_distribution<size_t>(0, size)(random); };
    auto eraseOne = [&](char c) {
        const size_t from = text.find(c, at(text.size()));
        if (from != std::string::npos) text.erase(from, 1);
    };
    static const char* const inserts[] = {"x", ",", "\"", "\n", "1e999", "-", ",,", "\r", "\xE3\x81"};
    switch (random() % 6) {
    case 0:
        text.resize(at(text.size()));
        break;
    case 1:
        if (!text.empty()) text[at(text.size() - 1)] = static_cast<char>(random());
        break;
    case 2:
        eraseOne(',');
        break;
    case 3:
        eraseOne('"');
        break;
    case 4:
        text.insert(at(text.size()), inserts[random() % std::size(inserts)]);
        break;
    case 5:
        text.erase(at(text.size()), at(8));
        break;
    }
}

// The first `lines` lines of `text`.
std::string firstLines(const std::string& text, int lines)
{
    size_t end = 0;
    for (int i = 0; i < lines && end != std::string::npos; ++i) end = text.find('\n', end + 1);
    return end == std::string::npos ? text : text.substr(0, end + 1);
}

// One star table for all copies: a fresh one is 25 MB to clear each time.
StarTables& sharedStarTables()
{
    static StarTables tables;
    return tables;
}

struct DamagedFile {
    std::string name;
    int lines;  // how much of the file is damaged, so the catalogue stays quick
    // Reads the file from the folder into fresh tables; false when what it
    // stored is not sound.
    std::function<bool(const std::string& folder, Messages& messages)> read;
};

void PrintTo(const DamagedFile& file, std::ostream* out) { *out << file.name; }

class DamagedFiles : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedFiles, AreReadOrRefusedWithOneMessage)
{
    const DamagedFile& file = GetParam();
    const std::string sound = firstLines(assetContent(file.name), file.lines);
    ASSERT_FALSE(sound.empty()) << file.name << " is not in assets/";

    std::mt19937 random(20240611);
    TempFolder folder;
    int refused = 0;
    for (int copy = 0; copy < 200; ++copy) {
        std::string damaged = sound;
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n) damageOnce(damaged, random);
        folder.write(file.name, damaged);
        RecordingMessages messages;
        bool storedSound = false;
        try {
            storedSound = file.read(folder.path(), messages);
        } catch (const ProgramEnd&) {
            ASSERT_EQ(messages.shown.size(), 1u) << "copy " << copy;
            ++refused;
            continue;
        }
        ASSERT_LE(messages.shown.size(), 1u) << "copy " << copy;
        ASSERT_TRUE(storedSound) << "copy " << copy << ": " << (messages.shown.empty() ? "" : messages.shown[0]);
        refused += static_cast<int>(messages.shown.size());
    }
    EXPECT_GT(refused, 0);  // the damage did reach the reader
}

const DamagedFile files[] = {
    {"starsdata.dat", 2000,
     [](const std::string& folder, Messages& messages) {
         StarTables& tables = sharedStarTables();
         readStarCatalogue(tables, folder, messages);
         return allFinite(tables.stars);
     }},
    {"stelladata.dat", 1000,
     [](const std::string& folder, Messages& messages) {
         StarTables& tables = sharedStarTables();
         tables.named = {};
         readNamedStars(tables, folder, messages);
         return allFinite(tables.named);
     }},
    {"conl.dat", 1000,
     [](const std::string& folder, Messages& messages) {
         StarTables& tables = sharedStarTables();
         tables.lines = {};
         readConstellationLines(tables, folder, messages);
         return allFinite(tables.lines);
     }},
    {"asteroids.csv", 1000,
     [](const std::string& folder, Messages& messages) {
         BodyTables bodies;
         Texts texts;
         readAsteroids(bodies, texts, folder, messages);
         return allFinite(bodies.semiMajorAxis) && allFinite(bodies.period) && allFinite(bodies.brightness)
             && allFinite(bodies.perihelionLongitude) && allFinite(bodies.asteroidEpoch);
     }},
    {"comets.csv", 1000,
     [](const std::string& folder, Messages& messages) {
         BodyTables bodies;
         Texts texts;
         readComets(bodies, texts, folder, messages);
         for (int i = body::FirstComet; i <= body::LastComet; ++i)
             if (bodies.eccentricity[i] >= 1) return false;
         return allFinite(bodies.semiMajorAxis) && allFinite(bodies.period) && allFinite(bodies.brightness)
             && allFinite(bodies.perihelionLongitude);
     }},
    {"age.dat", 1000,
     [](const std::string& folder, Messages& messages) {
         AgeTables ages;
         readAges(ages, folder, messages);
         return allFinite(ages.thresholds);
     }},
    {"demo.csv", 1000,
     [](const std::string& folder, Messages& messages) {
         DemoScript script;
         Bilingual<SceneSlots> names;
         readDemoScript(script, names, folder, messages);
         for (const auto& parameter : script.parameters)
             for (const Loose& value : parameter)
                 if (!std::isfinite(value.value())) return false;
         return true;
     }},
};

INSTANTIATE_TEST_SUITE_P(RealFiles, DamagedFiles, ::testing::ValuesIn(files), [](const auto& testInfo) {
    std::string name = testInfo.param.name;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

}  // namespace
}  // namespace halvane
