// The data files are read in the start-up order, and the catalogue at the
// first activation.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "data/catalogue_conversion.h"
#include "data/temp_folder.h"
#include "ephemeris/ecliptic_conversion.h"
#include "fakes.h"
#include "startup/startup.h"

namespace halvane {
namespace {

using testing::FakeClock;
using testing::RecordingMessages;
using testing::ScriptedRandom;
using testing::TempFolder;

class StartupFiles : public ::testing::Test {
protected:
    StartupFiles()
    {
        std::filesystem::create_directory(std::filesystem::path(folder.path()) / "music");
        folder.write("music/piece.mid", "MThd");
    }

    TempFolder folder;
    std::unique_ptr<Halvane> h = std::make_unique<Halvane>();
    FakeClock clock;
    ScriptedRandom random;
    RecordingMessages messages;
};

TEST_F(StartupFiles, EveryMissingFileIsReportedInTurnAndStartUpGoesOn)
{
    formLoad(*h, {clock, random, messages}, folder.path());
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"stelladata.dat is not existed.", "demo.csv is not existed.",
                                        "conl.dat is not existed.", "asteroids.csv is not existed.",
                                        "comets.csv is not existed.", "age.dat is not existed."}));
    EXPECT_EQ(h->texts.sceneNames[English][MedleyScene], "Medley");
    EXPECT_EQ(h->texts.sceneNames[English][1], "");
    EXPECT_EQ(h->stars.namedTexts[1][0], "");
    EXPECT_EQ(h->stars.lines[1][line::RightAscension], 0);
    EXPECT_EQ(h->texts.bodyNames[English][body::FirstComet], "");
    EXPECT_EQ(h->bodies.semiMajorAxis[body::FirstAsteroid], 0);
    EXPECT_EQ(h->ages.names[English][1][1], "");
}

TEST_F(StartupFiles, FirstActivationReadsAndConvertsTheCatalogue)
{
    folder.write("starsdata.dat", "150,0,1,\"A\"\n");
    h->strParent = folder.path();
    h->stars.named[1][star::RightAscension] = 1.5;
    h->stars.lines[1][line::RightAscension] = 1.5;

    loadCatalogue(*h, messages);

    EXPECT_TRUE(messages.shown.empty());
    const SphericalAngles expected = toEcliptic(1.5, 0);
    EXPECT_EQ(h->stars.stars[101][star::Longitude], expected.longitude);
    EXPECT_EQ(h->stars.named[1][star::Latitude], expected.latitude);
    EXPECT_EQ(h->stars.lines[1][line::Longitude], expected.longitude);
}

TEST_F(StartupFiles, FirstActivationWithoutCatalogueEndsTheProgram)
{
    h->strParent = folder.path();
    EXPECT_THROW(loadCatalogue(*h, messages), ProgramEnd);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace halvane
