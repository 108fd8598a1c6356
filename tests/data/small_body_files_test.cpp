#include "data/small_body_files.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

const std::string asteroidTitles = "名前,Name,m,M0,w,Node,i,e,a,Epoch\n";
const std::string cometTitles = "名前,Name,P,Year,Month,Day,q,e,w,Node,i,m,n\n";

// Name, magnitude, epoch angle, argument of perihelion, node, inclination,
// eccentricity, semi-major axis, epoch.
std::string asteroid(const std::string& name, double m, double node, double argument, double a = 2.77)
{
    return "\"小惑星\",\"" + name + "\"," + std::to_string(m) + ",10," + std::to_string(argument) + ","
        + std::to_string(node) + ",10.6,0.0785," + std::to_string(a) + ",2460000.5\n";
}

// Name, period, perihelion date, q, e, argument, node, inclination, magnitude, exponent.
std::string comet(const std::string& name, double period, double q, double e, const std::string& month = "2")
{
    return "\"彗星\",\"" + name + "\"," + std::to_string(period) + ",1986," + month + ",9.4," + std::to_string(q) + ","
        + std::to_string(e) + ",111.8,58.4,162.2,5.5,4\n";
}

std::string repeated(const std::string& record, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += record;
    return text;
}

class SmallBodyFiles : public ::testing::Test {
protected:
    TempFolder folder;
    BodyTables bodies;
    Texts texts;
    RecordingMessages messages;
};

TEST_F(SmallBodyFiles, AsteroidsGetBrightnessPerihelionAndPeriod)
{
    folder.write("asteroids.csv",
                 asteroidTitles + asteroid("Ceres", 1, 350, 20, 4) + asteroid("Pallas", 6, 350, 380)
                     + repeated(asteroid("Other", 8, 80, 73), 8));
    readAsteroids(bodies, texts, folder.path(), messages);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(texts.bodyNames[Japanese][21], "小惑星");
    EXPECT_EQ(texts.bodyNames[English][21], "Ceres");
    EXPECT_DOUBLE_EQ(bodies.brightness[21], 256);
    EXPECT_DOUBLE_EQ(bodies.brightness[22], 2.62144);
    EXPECT_DOUBLE_EQ(bodies.perihelionLongitude[21], 10);
    EXPECT_DOUBLE_EQ(bodies.perihelionLongitude[22], 370);  // 360 comes off once only
    EXPECT_DOUBLE_EQ(bodies.period[21], 8);
    EXPECT_EQ(bodies.nodeLongitude[21], 350);
    EXPECT_EQ(bodies.epochLongitude[21], 10);
    EXPECT_EQ(bodies.inclination[21], 10.6);
    EXPECT_EQ(bodies.eccentricity[21], 0.0785);
    EXPECT_EQ(bodies.semiMajorAxis[21], 4);
    EXPECT_EQ(bodies.asteroidEpoch[21], 2460000.5);
    EXPECT_EQ(texts.bodyNames[English][30], "Other");
}

TEST_F(SmallBodyFiles, CometsOnOpenOrbitsBecomeLongEllipses)
{
    folder.write("comets.csv",
                 cometTitles + comet("Hyperbolic", 0, 0.5, 1.2) + comet("Halley", 75.3, 0.586, 0.9671)
                     + comet("Parabolic", 12, 0.5, 1) + repeated(comet("Other", 0, 1, 0.5), 7));
    readComets(bodies, texts, folder.path(), messages);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(bodies.eccentricity[11], 0.9999);
    EXPECT_NEAR(bodies.semiMajorAxis[11], 5000, 1e-6);
    EXPECT_NEAR(bodies.period[11], std::pow(5000.0, 1.5), 1e-3);

    EXPECT_EQ(bodies.period[12], 75.3);
    EXPECT_DOUBLE_EQ(bodies.semiMajorAxis[12], 0.586 / (1 - 0.9671));

    // e exactly 1 is handled as an open orbit, not divided by zero.
    EXPECT_EQ(bodies.eccentricity[13], 0.9999);
    EXPECT_NEAR(bodies.semiMajorAxis[13], 5000, 1e-6);
    EXPECT_NEAR(bodies.period[13], std::pow(5000.0, 1.5), 1e-3);

    EXPECT_DOUBLE_EQ(bodies.period[14], std::pow(2.0, 1.5));
    EXPECT_EQ(bodies.perihelionYear[12], 1986);
    EXPECT_EQ(bodies.perihelionMonth[12], 2);
    EXPECT_EQ(bodies.perihelionDay[12], 9.4);
    EXPECT_DOUBLE_EQ(bodies.perihelionLongitude[12], 111.8 + 58.4);
    EXPECT_EQ(bodies.inclination[12], 162.2);
    EXPECT_DOUBLE_EQ(bodies.brightness[12], brightnessFactor(5.5));
    EXPECT_EQ(bodies.cometExponent[12], 4);
    EXPECT_EQ(texts.bodyNames[English][20], "Other");
}

TEST_F(SmallBodyFiles, ADamagedRecordKeepsTheRecordsBeforeIt)
{
    folder.write("comets.csv",
                 cometTitles + repeated(comet("Good", 0, 1, 0.5), 3) + comet("Bad", 0, 1, 0.5, "13")
                     + comet("Later", 0, 1, 0.5));
    readComets(bodies, texts, folder.path(), messages);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"comets.csv is damaged at line 5 (record 4, field 5): a month outside 1 to 12. "
                                       "The first 3 records are used."});
    EXPECT_EQ(texts.bodyNames[English][13], "Good");
    EXPECT_EQ(texts.bodyNames[English][14], "");
    EXPECT_EQ(bodies.semiMajorAxis[14], 0);
}

TEST_F(SmallBodyFiles, ValuesThatGiveNoOrbitAreRefused)
{
    folder.write("asteroids.csv", asteroidTitles + asteroid("Negative", 5, 0, 0, -1));
    readAsteroids(bodies, texts, folder.path(), messages);
    folder.write("comets.csv", cometTitles + "\"彗星\",\"Bright\",0,1986,2,9.4,1,0.5,111.8,58.4,162.2,-1000,4\n");
    readComets(bodies, texts, folder.path(), messages);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[0].find("(record 1, field 9): a semi-major axis that gives no period"), std::string::npos);
    EXPECT_NE(messages.shown[1].find("(record 1, field 12): a magnitude too bright to compute"), std::string::npos);
    EXPECT_EQ(bodies.period[21], 0);
    EXPECT_EQ(bodies.brightness[11], 0);
}

TEST_F(SmallBodyFiles, ATruncatedHeaderUsesNothing)
{
    folder.write("asteroids.csv", "名前,Name,m");
    readAsteroids(bodies, texts, folder.path(), messages);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "asteroids.csv is damaged at line 1 (column titles, field 4): the file ends inside the record. "
                  "None of its records are used."});
}

}  // namespace
}  // namespace halvane
