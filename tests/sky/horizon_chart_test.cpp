#include "sky/horizon_chart.h"

#include <gtest/gtest.h>

#include "chart_command/chart_drawing.h"
#include "fakes.h"
#include "render/horizon_request.h"

namespace halvane {
namespace {

TEST(HorizonChart, ZenithAtTheCentreNorthUpEastLeft)
{
    const HorizonProjection p{1000, 800, 600};
    struct Case {
        double altitudeDeg, azimuthDeg;
        double x, y;
    };
    const Case cases[] = {
        {90, 0, 1000, 800},  // the zenith
        {0, 0, 1000, 200},
        {0, 90, 400, 800},  // north up, east left
        {0, 180, 1000, 1400},
        {0, 270, 1600, 800},  // south down, west right
        {45, 180, 1000, 800 + 600 * std::tan(p0 / 8)},  // stereographic: tan of half the zenith distance
        {-10, 90, 1000 - 600 * std::tan(p0 / 4 + p0 / 36), 800},  // below the horizon: outside the circle
    };
    for (const Case& c : cases) {
        const ChartPoint at = p.at({radiansFromDegrees(c.altitudeDeg), radiansFromDegrees(c.azimuthDeg)});
        EXPECT_NEAR(at.x, c.x, 1e-6) << c.altitudeDeg << " " << c.azimuthDeg;
        EXPECT_NEAR(at.y, c.y, 1e-6) << c.altitudeDeg << " " << c.azimuthDeg;
    }
}

struct HorizonDrawing {
    std::unique_ptr<Halvane> h = std::make_unique<Halvane>();
    ChartDrawing drawing;
    PlaceArgument place;
    double Ti = 0;

    explicit HorizonDrawing(std::vector<std::string> options)
    {
        const ChartArguments parsed = parseChartArguments(options);
        EXPECT_TRUE(parsed.request) << parsed.error;
        testing::RecordingMessages messages;
        drawing = drawChart(*h, parsed.request.value(), HALVANE_ASSETS_DIR, messages, false);
        place = *parsed.request->place;
        Ti = h->time.Ti;
    }

    HorizontalAngles bodyAt(int i) const { return bodyHorizontal(*h, {ObserverSky(place.place, Ti), "", ""}, i); }
};

// Tokyo on a January evening: Orion high in the south with Sirius below it
// to the left, and Jupiter, days after its opposition, high in the east.
TEST(HorizonChart, TokyoInJanuaryAsTheSkyHasIt)
{
    const HorizonDrawing d(
        {"--display", "horizon", "--place", "tokyo", "--date", "2026-01-15", "--time", "21:00", "--lag", "9:00"});
    ASSERT_TRUE(d.drawing.surface);
    const Surface& surface = *d.drawing.surface;
    const HorizonProjection projection = horizonProjectionFor(surface);
    const ObserverSky sky(d.place.place, d.Ti);

    // Sirius and Betelgeuse by their catalogue rows (Sirius is the first).
    const auto starAt = [&](double ra, double dec) { return projection.at(sky.horizontal(unitVector(ra, dec))); };
    const StarRow& sirius = d.h->stars.stars[star::FirstRow];
    ASSERT_GT(sirius[star::Brightness], 1000);
    const ChartPoint siriusAt = starAt(sirius[star::RightAscension], sirius[star::Declination]);
    const ChartPoint betelgeuseAt = starAt(radiansFromDegrees(88.79), radiansFromDegrees(7.41));
    EXPECT_GT(siriusAt.y, betelgeuseAt.y);  // lower in the south
    EXPECT_LT(siriusAt.x, betelgeuseAt.x);  // to the left, the east
    EXPECT_GT(betelgeuseAt.y, projection.centreY);
    EXPECT_NE(surface.point(siriusAt.x, siriusAt.y), Rgb{});

    const HorizontalAngles jupiter = d.bodyAt(body::Jupiter);
    EXPECT_NEAR(degreesFromRadians(jupiter.altitude), 54.7, 3);
    EXPECT_NEAR(degreesFromRadians(jupiter.azimuth), 102.5, 4);
    const ChartPoint jupiterAt = projection.at(jupiter);
    EXPECT_EQ(surface.point(jupiterAt.x, jupiterAt.y), d.h->bodies.colour[body::Jupiter]);

    // Beyond the horizon, between the circle and the corner, nothing is drawn.
    const double beyond = projection.radius * 1.3;
    EXPECT_EQ(surface.point(projection.centreX + beyond * 0.7, projection.centreY + beyond * 0.7), Rgb{});
}

// The total solar eclipse of 2024-04-08: from Dallas the Moon covers the
// Sun; from Tokyo at the same moment the Moon's parallax moves it away.
TEST(HorizonChart, TheEclipseIsTotalOnlyWhereItWasSeen)
{
    struct Case {
        const char* place;
        double leastDeg, mostDeg;  // the Sun's and the Moon's centres apart
    };
    const Case cases[] = {{"dallas", 0, 60 / 3600.0}, {"tokyo", 0.5, 2}};
    for (const Case& c : cases) {
        const HorizonDrawing d({"--display", "horizon", "--model", "precise", "--place", c.place, "--date",
                                "2024-04-08", "--time", "18:43", "--lag", "0:00", "--size", "64x64"});
        const auto direction = [](const HorizontalAngles& a) { return unitVector(-a.azimuth, a.altitude); };
        const Xyz sun = direction(d.bodyAt(body::Sun)), moon = direction(d.bodyAt(body::Moon));
        const double apart = degreesFromRadians(std::acos(sun.x * moon.x + sun.y * moon.y + sun.z * moon.z));
        EXPECT_GE(apart, c.leastDeg) << c.place;
        EXPECT_LE(apart, c.mostDeg) << c.place;
    }
}

TEST(HorizonChart, CornerLinesInBothLanguages)
{
    PanelVariables v;
    v.Ye = 2026, v.Mo = 1, v.Da = 5, v.Ho = 21, v.Minu = 7, v.Dho = -3, v.Dmi = -30;
    EXPECT_EQ(momentLine(v), "2026-01-05 21:07 (UT-3:30)");
    v.je = Japanese;
    EXPECT_EQ(momentLine(v), "2026年1月5日 21:07 (UT-3:30)");

    EXPECT_EQ(placeLine(*placeArgument("tokyo"), English), "Tokyo  35.69° N  139.69° E");
    EXPECT_EQ(placeLine(*placeArgument("tokyo"), Japanese), "東京　北緯 35.69°　東経 139.69°");
    EXPECT_EQ(placeLine(*placeArgument("-33.8688,-70.5"), English), "33.87° S  70.5° W");
}

}  // namespace
}  // namespace halvane
