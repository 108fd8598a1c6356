// The data files in assets/ read without a message and hold what the program
// relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "data/age_file.h"
#include "data/constellation_lines.h"
#include "data/demo_script.h"
#include "data/named_stars.h"
#include "data/small_body_files.h"
#include "data/star_catalogue.h"
#include "ephemeris/constants.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;

const std::string assets = HALVANE_ASSETS_DIR;

StarTables realCatalogue()
{
    StarTables tables;
    RecordingMessages messages;
    readStarCatalogue(tables, assets, messages);
    EXPECT_TRUE(messages.shown.empty());
    return tables;
}

TEST(RealFiles, StarCatalogueIsFullInRangeAndBrightestFirst)
{
    const StarTables tables = realCatalogue();
    EXPECT_EQ(tables.lastCatalogueRow, star::LastRow);

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

// The row of the star within 2 arc-seconds of a J2000 position, or 0.
int rowAt(const StarTables& tables, double raDegrees, double decDegrees)
{
    const double ra = raDegrees * p0 / 180, dec = decDegrees * p0 / 180;
    const double nearest = std::cos(2.0 / 3600 * p0 / 180);
    for (int row = star::FirstRow; row <= tables.lastCatalogueRow; ++row) {
        const StarRow& s = tables.stars[row];
        if (std::abs(s[star::Declination] - dec) > 1e-4) continue;
        const double cosine = std::sin(dec) * std::sin(s[star::Declination])
            + std::cos(dec) * std::cos(s[star::Declination]) * std::cos(s[star::RightAscension] - ra);
        if (cosine >= nearest) return row;
    }
    return 0;
}

TEST(RealFiles, KnownStarsStandWhereTheyBelong)
{
    const StarTables tables = realCatalogue();
    struct Known {
        const char* name;
        double ra, dec;  // J2000, degrees
        double v;  // the source's V magnitude
        const char* spectralClass;
    };
    // KStars' stars keep their spectral types; the stars after them come from
    // Stellarium's Tycho-2 stars, typed by their B-V (given in the comments).
    const Known known[] = {
        {"Sirius", 101.28717, -16.71611, -1.44, "A"},  {"alpha Centauri A", 219.90208, -60.83397, -0.01, "G"},
        {"Rigel", 78.63446, -8.20164, 0.18, "B"},      {"Betelgeuse", 88.79296, 7.40706, 0.45, "M"},
        {"Alnilam", 84.05338, -1.20192, 1.69, "B"},    {"Alnitak", 85.18967, -1.94258, 1.74, "O"},
        {"Mintaka", 83.00167, -0.29908, 2.25, "O"},    {"TYC (Cygnus)", 311.0670, 56.1734, 7.925, "B"},  // B-V -0.08
        {"TYC (Cetus)", 23.2163, -7.0316, 8.375, "M"},  // B-V 2.86
        {"TYC (Cetus)", 24.7759, -0.4396, 9.025, "K"},  // B-V 1.14
        {"TYC (Cetus)", 28.7127, -1.4909, 9.075, "F"},  // B-V 0.55
        {"TYC (Cetus)", 24.7711, -0.8018, 9.275, "G"},  // B-V 0.61
    };
    for (const Known& star : known) {
        const int row = rowAt(tables, star.ra, star.dec);
        ASSERT_NE(row, 0) << star.name;
        EXPECT_NEAR(tables.stars[row][star::Brightness], std::pow(10, 0.4 * (6.5 - star.v)),
                    1e-4 * tables.stars[row][star::Brightness])
            << star.name;
        EXPECT_EQ(tables.spectralClass[row], star.spectralClass) << star.name;
    }
    EXPECT_EQ(rowAt(tables, 101.28717, -16.71611), star::FirstRow);  // Sirius first
    // Orion's belt among the brightest hundred, in order of brightness.
    const int alnilam = rowAt(tables, 84.05338, -1.20192), alnitak = rowAt(tables, 85.18967, -1.94258),
              mintaka = rowAt(tables, 83.00167, -0.29908);
    EXPECT_LT(alnilam, alnitak);
    EXPECT_LT(alnitak, mintaka);
    EXPECT_LT(mintaka, star::FirstRow + 100);
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
        EXPECT_TRUE(l[line::RightAscension] != l[line::RightAscension + 1]
                    || l[line::Declination] != l[line::Declination + 1])
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
