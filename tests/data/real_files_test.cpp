// The data files in assets/ read without a message and hold what the program
// relies on.
#include <gtest/gtest.h>

#include <set>

#include "data/age_file.h"
#include "ephemeris/constants.h"
#include "data/constellation_lines.h"
#include "data/demo_script.h"
#include "data/named_stars.h"
#include "data/small_body_files.h"
#include "data/star_catalogue.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;

const std::string assets = HALVANE_ASSETS_DIR;

TEST(RealFiles, StarCatalogueIsWholeInRangeAndBrightestFirst)
{
    StarTables tables;
    RecordingMessages messages;
    readStarCatalogue(tables, assets, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(tables.lastCatalogueRow - star::FirstRow + 1, 100000);

    const std::set<std::string> classes{"", "+", "O", "B", "A", "F", "G", "K", "M"};
    for (int row = star::FirstRow; row <= tables.lastCatalogueRow; ++row) {
        const StarRow& s = tables.stars[row];
        ASSERT_TRUE(s[star::RightAscension] >= 0 && s[star::RightAscension] < 2 * p0) << row;
        ASSERT_LE(std::abs(s[star::Declination]), p0 / 2) << row;
        ASSERT_GT(s[star::Brightness], 0) << row;
        if (row > star::FirstRow) {
            ASSERT_LE(s[star::Brightness], tables.stars[row - 1][star::Brightness]) << row;
        }
        ASSERT_TRUE(classes.contains(tables.spectralClass[row])) << row;
    }
}

TEST(RealFiles, NamedStarsAndLinesAreComplete)
{
    StarTables tables;
    RecordingMessages messages;
    readNamedStars(tables, assets, messages);
    readConstellationLines(tables, assets, messages);
    EXPECT_TRUE(messages.shown.empty());
    for (int row = 1; row <= 110; ++row) EXPECT_FALSE(tables.namedTexts[row][1].empty()) << row;
    EXPECT_FALSE(tables.namedTexts[89][3].empty());
    for (int row = 1; row <= star::LineRecords; ++row) {
        const auto& l = tables.lines[row];
        EXPECT_TRUE(l[line::RightAscension] != l[line::RightAscension + 1] ||
                    l[line::Declination] != l[line::Declination + 1])
            << "line " << row << " has one point";
    }
}

TEST(RealFiles, CometsAndAsteroidsAreNamedAndElliptic)
{
    BodyTables bodies;
    Texts texts;
    RecordingMessages messages;
    readAsteroids(bodies, texts, assets, messages);
    readComets(bodies, texts, assets, messages);
    EXPECT_TRUE(messages.shown.empty());
    for (int i = body::FirstComet; i <= body::LastAsteroid; ++i) {
        EXPECT_FALSE(texts.bodyNames[Japanese][i].empty()) << i;
        EXPECT_FALSE(texts.bodyNames[English][i].empty()) << i;
        EXPECT_TRUE(bodies.eccentricity[i] >= 0 && bodies.eccentricity[i] < 1) << i;
        EXPECT_GT(bodies.semiMajorAxis[i], 0) << i;
        EXPECT_GT(bodies.period[i], 0) << i;
    }
    EXPECT_EQ(texts.bodyNames[English][body::FirstAsteroid], "Ceres");
}

TEST(RealFiles, AgesAndScenesAreComplete)
{
    AgeTables ages;
    DemoScript script;
    Bilingual<SceneSlots> sceneNames;
    RecordingMessages messages;
    readAges(ages, assets, messages);
    readDemoScript(script, sceneNames, assets, messages);
    EXPECT_TRUE(messages.shown.empty());
    for (int row = 1; row <= 22; ++row) EXPECT_FALSE(ages.names[English][1][row].empty()) << row;
    for (int scene = 0; scene <= 40; ++scene) {
        EXPECT_FALSE(sceneNames[Japanese][scene].empty()) << scene;
        EXPECT_FALSE(sceneNames[English][scene].empty()) << scene;
    }
}

}  // namespace
}  // namespace halvane
