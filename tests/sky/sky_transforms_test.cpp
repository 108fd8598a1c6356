#include "sky/sky_transforms.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/angles.h"
#include "panel/change_handlers.h"
#include "render/pass_readouts.h"
#include "render/view_angles.h"

namespace halvane {
namespace {

constexpr double degree = p0 / 180;

class CompanionReadout : public ::testing::Test {
protected:
    std::unique_ptr<Halvane> h = std::make_unique<Halvane>();

    std::pair<double, double> readout(int selec, const std::string& first, const std::string& second)
    {
        h->vars.selec = selec;
        setText(*h, Text1, first);
        setText(*h, Text2, second);
        companionReadout(*h);
        return {*parseNumber(h->panel.text(Text11)), *parseNumber(h->panel.text(Text12))};
    }
};

TEST_F(CompanionReadout, SixHoursOnTheEquatorInBothSkyModes)
{
    const auto [longitude, latitude] = readout(display::SkyEquatorial, "90", "0");
    EXPECT_NEAR(longitude, 90, 1e-9);
    EXPECT_NEAR(latitude, -23.44, 1e-9);
    const auto [ra, dec] = readout(display::SkyEcliptic, "90", "0");
    EXPECT_NEAR(ra, 90, 1e-9);
    EXPECT_NEAR(dec, 23.44, 1e-9);
}

TEST_F(CompanionReadout, FortyFiveAndTenInBothSkyModes)
{
    const auto [longitude, latitude] = readout(display::SkyEquatorial, "45", "10");
    EXPECT_NEAR(longitude, 45.4736, 0.0001);
    EXPECT_NEAR(latitude, -6.7587, 0.0001);
    EXPECT_DOUBLE_EQ(h->vars.b1, 45 * degree);
    EXPECT_DOUBLE_EQ(h->vars.b2, 10 * degree);
    const auto [ra, dec] = readout(display::SkyEcliptic, "45", "10");
    EXPECT_NEAR(ra, 39.2929, 0.0001);
    EXPECT_NEAR(dec, 25.8696, 0.0001);
}

TEST_F(CompanionReadout, TheOriginReadsAsZeroInEveryMode)
{
    for (int selec = display::SkyEquatorial; selec <= display::SkyEcliptic; ++selec) {
        readout(selec, "0", "0");
        EXPECT_EQ(h->panel.text(Text11), "0") << selec;
        EXPECT_EQ(h->panel.text(Text12), "0") << selec;
    }
}

TEST_F(CompanionReadout, LongitudeComesOutInOneTurn)
{
    const auto [longitude, latitude] = readout(display::SkyEquatorial, "-10", "-5");
    EXPECT_GT(longitude, 340);
    EXPECT_LT(longitude, 360);
    EXPECT_LT(latitude, 0);
}

TEST(DisplayFrame, EclipticAnglesTurnIntoEquatorialOnlyForEquatorialModes)
{
    auto h = std::make_unique<Halvane>();
    h->vars.b1 = 0, h->vars.b2 = 0;
    const int solstice = 95;
    h->sky.eclipticLongitude[solstice] = 90 * degree;
    h->sky.eclipticLatitude[solstice] = 0;

    h->vars.selec = display::SkyEquatorial;
    displayFrameTransform(*h, solstice);
    const StarRow& row = h->stars.stars[solstice];
    EXPECT_EQ(row[star::Longitude], 90 * degree);
    EXPECT_NEAR(row[star::ViewU], 90 * degree, 1e-9);
    EXPECT_NEAR(row[star::ViewV], 23.44 * degree, 1e-9);

    h->vars.selec = display::SkyEcliptic;
    displayFrameTransform(*h, solstice);
    EXPECT_NEAR(row[star::ViewU], 90 * degree, 1e-9);
    EXPECT_NEAR(row[star::ViewV], 0, 1e-12);
}

TEST(DisplayFrame, RowsThatAreNoBodiesStayAsTheyWere)
{
    auto h = std::make_unique<Halvane>();
    h->sky.eclipticLongitude[body::FixedPoint] = 1;
    for (const int row : {41, body::FixedPoint, -1, 99, 1000000}) displayFrameTransform(*h, row);
    EXPECT_EQ(h->stars.stars[body::FixedPoint], StarRow{});
    EXPECT_EQ(h->stars.stars[41], StarRow{});
}

TEST(SkyAngles, ZeroRunsGiveTheTwoArgumentArctangent)
{
    EXPECT_DOUBLE_EQ(arctanOfQuotient(2, 0), std::atan2(1.0, 0.0));
    EXPECT_DOUBLE_EQ(arctanOfQuotient(-2, 0), -std::atan2(1.0, 0.0));
    EXPECT_EQ(arctanOfQuotient(0, 0), 0);
    EXPECT_EQ(longitudeOfDirection(0, 0), 0);
    EXPECT_DOUBLE_EQ(longitudeOfDirection(0, -1), 2 * p0 - std::atan2(1.0, 0.0));
}

TEST(SkyAngles, DirectionsInEveryQuadrant)
{
    EXPECT_NEAR(longitudeOfDirection(1, 1), 45 * degree, 1e-12);
    EXPECT_NEAR(longitudeOfDirection(-1, 1), 135 * degree, 1e-12);
    EXPECT_NEAR(longitudeOfDirection(-1, -1), 225 * degree, 1e-12);
    EXPECT_NEAR(longitudeOfDirection(1, -1), 315 * degree, 1e-12);
    EXPECT_NEAR(latitudeOfDirection(3, 4, -5), -45 * degree, 1e-12);
}

}  // namespace
}  // namespace halvane
