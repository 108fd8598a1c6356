#include "positions/positions_command.h"

#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include "render/sky_at.h"

namespace halvane {
namespace {

using Args = std::vector<std::string>;

TEST(PositionsArguments, TheExampleAndItsDefaults)
{
    const auto request =
        parsePositionsArguments({"--date", "2020-12-21", "--time", "18:00", "--lag", "9:00", "--view", "3"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->local.year, 2020);
    EXPECT_EQ(request->local.month, 12);
    EXPECT_EQ(request->local.day, 21);
    EXPECT_EQ(request->local.hour, 18);
    EXPECT_EQ(request->lagHours, 9);
    EXPECT_EQ(request->view, 3);
    EXPECT_EQ(request->dataFolder, "");

    const auto defaults = parsePositionsArguments({"--time", "0:05", "--date", "-500-3-1", "--data", "/tmp"});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->local.year, -500);
    EXPECT_EQ(defaults->local.minute, 5);
    EXPECT_EQ(defaults->lagHours, 9);
    EXPECT_EQ(defaults->view, body::Earth);
    EXPECT_EQ(defaults->dataFolder, "/tmp");
    EXPECT_EQ(defaults->model, PositionModel::Builtin);
    EXPECT_EQ(parsePositionsArguments({"--date=2020-1-1", "--time=0:00", "--model=precise"})->model,
              PositionModel::Precise);
    EXPECT_EQ(parsePositionsArguments({"--date=2020-1-1", "--time=0:00", "--model", "builtin"})->model,
              PositionModel::Builtin);
}

TEST(PositionsArguments, NegativeLagsKeepTheirSignInTheMinutes)
{
    const Args base{"--date", "2020-1-1", "--time", "0:00", "--lag"};
    auto withLag = [&](const std::string& lag) {
        Args args = base;
        args.push_back(lag);
        return parsePositionsArguments(args);
    };
    EXPECT_EQ(withLag("-3:30")->lagHours, -3);
    EXPECT_EQ(withLag("-3:30")->lagMinutes, -30);
    EXPECT_EQ(withLag("-0:30")->lagMinutes, -30);
    EXPECT_EQ(withLag("5:45")->lagMinutes, 45);
}

TEST(PositionsArguments, ValuesAfterAnEqualsSignHelpAndVersion)
{
    const auto request = parsePositionsArguments({"--date=2020-12-21", "--time", "18:00", "--lag=-5:00", "--view=4"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->asked, PositionsRequest::Asked::Positions);
    EXPECT_EQ(request->lagHours, -5);
    EXPECT_EQ(request->view, body::Mars);
    EXPECT_EQ(parsePositionsArguments({"--help"})->asked, PositionsRequest::Asked::Help);
    EXPECT_EQ(parsePositionsArguments({"--version"})->asked, PositionsRequest::Asked::Version);
    EXPECT_FALSE(parsePositionsArguments({"--help", "--date", "2020-12-21", "--time", "18:00"}));
    EXPECT_FALSE(parsePositionsArguments({"--date=", "--time", "18:00"}));
    EXPECT_FALSE(parsePositionsArguments({"--date=2020-12-21", "--time=18:00", "--colour=red"}));
}

TEST(PositionsArguments, BadArgumentsGiveNothing)
{
    const Args bad[] = {
        {},
        {"--date", "2020-12-21"},
        {"--date", "2020-12-21", "--time"},
        {"--date", "2020-13-21", "--time", "18:00"},
        {"--date", "2020-12", "--time", "18:00"},
        {"--date", "2020-12-21", "--time", "24:00"},
        {"--date", "2020-12-21", "--time", "18:00:00"},
        {"--date", "2020-12-21", "--time", "-1:00"},
        {"--date", "2020-12-21", "--time", "18:00", "--lag", "9:60"},
        {"--date", "2020-12-21", "--time", "18:00", "--lag", "nine"},
        {"--date", "2020-12-21", "--time", "18:00", "--view", "31"},
        {"--date", "2020-12-21", "--time", "18:00", "--view", "-1"},
        {"--date", "2020-12-21", "--time", "18:00", "--view", "3x"},
        {"--date", "2020-12-21", "--time", "18:00", "--data", ""},
        {"--date", "2020--12-21", "--time", "18:00"},
        {"--date", "99999999999-1-1", "--time", "18:00"},
        {"--date", "2020-12-21", "--time", "18:00", "--colour", "red"},
        {"--date", "2020-12-21", "--time", "18:00", "--model", "Precise"},
        {"--date", "2020-12-21", "--time", "18:00", "--model", ""},
        // Light time and a place need the precise model, and a place its numbers.
        {"--date", "2020-12-21", "--time", "18:00", "--light-time"},
        {"--date", "2020-12-21", "--time", "18:00", "--place", "tokyo"},
        {"--date", "2020-12-21", "--time", "18:00", "--model", "precise", "--place", "91,0"},
        {"--date", "2020-12-21", "--time", "18:00", "--model", "precise", "--place"},
    };
    for (const Args& args : bad) {
        std::ostringstream line;
        for (const auto& a : args) line << a << ' ';
        EXPECT_FALSE(parsePositionsArguments(args)) << line.str();
    }
}

TEST(PositionsCsv, SeenFromTheEarthWithTheMoonAndTheReferencePoints)
{
    auto h = testing::formWithTables();
    PositionsRequest request;
    request.local = {2020, 12, 21, 18, 0};
    const auto bodies = computeRequestedPositions(*h, request);
    ASSERT_EQ(bodies.size(), 31u - 1 + 8);  // bodies 0 to 30 but the Earth, 91 to 98
    EXPECT_EQ(bodies[9], body::Moon);
    EXPECT_EQ(bodies.back(), body::LastReferencePoint);

    std::istringstream csv(positionsCsv(*h, bodies));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "index,name_en,longitude_deg,latitude_deg,x_au,y_au,z_au");
    std::getline(csv, line);
    EXPECT_EQ(line, "0,Sun," + numberText(h->sky.longitudeDegrees[0]) + ",0,0,0,0");
    std::vector<std::string> lines;
    while (std::getline(csv, line)) lines.push_back(line);
    // The poles hold their longitude in radians only; the column shows it in
    // degrees: the north pole a quarter turn east of the equinox of the
    // date (359.71 in the frame of 2000), the ecliptic south pole a quarter
    // turn east of the autumnal point.
    EXPECT_EQ(lines[lines.size() - 8].substr(0, 19), "93,the north pole,8");
    EXPECT_NEAR(leadingNumber(lines[lines.size() - 8].substr(18)), 89.7112, 1e-4);
    EXPECT_EQ(lines[lines.size() - 3].substr(0, 29), "98,ecliptical south pole,269.");
    EXPECT_NEAR(leadingNumber(lines[lines.size() - 3].substr(25)), 269.7112, 1e-4);
    EXPECT_EQ(lines[lines.size() - 2], "Ti," + numberText(h->time.Ti));
    EXPECT_EQ(lines.back(), "katamuki," + numberText(h->sky.katamuki));
}

double arcsecondsBetweenDirections(const SkyPositions& sky, int a, int b)
{
    const Xyz u = unitVector(sky.eclipticLongitude[a], sky.eclipticLatitude[a]);
    const Xyz v = unitVector(sky.eclipticLongitude[b], sky.eclipticLatitude[b]);
    return degreesFromRadians(std::acos(std::min(1.0, u.x * v.x + u.y * v.y + u.z * v.z))) * 3600;
}

TEST(PositionsCsv, TheTotalSolarEclipseOf2024FromDallasNotFromTokyo)
{
    // 2024-04-08 13:43 at Dallas (UT - 5 h), totality there: the Moon's
    // centre within 30 arc seconds of the Sun's from the place; from the
    // Earth's centre they stand 0.426 degrees apart (the Swiss Ephemeris,
    // geometric), and from Tokyo, where the Sun is below the horizon, 0.77.
    const auto args = [](const char* place) {
        Args a{"--model", "precise", "--date", "2024-04-08", "--time", "13:43", "--lag", "-5:00", "--view", "3"};
        if (*place) a.insert(a.end(), {"--place", place});
        return a;
    };
    struct Case {
        const char* place;
        double lowest, highest;  // arc seconds between the centres
    };
    for (const Case& c :
         {Case{"32.78,-96.80", 0, 30}, Case{"", 0.42 * 3600, 0.43 * 3600}, Case{"tokyo", 0.75 * 3600, 0.8 * 3600}}) {
        auto h = testing::formWithTables();
        const auto request = parsePositionsArguments(args(c.place));
        ASSERT_TRUE(request) << c.place;
        const auto bodies = computeRequestedPositions(*h, *request);
        const double apart = arcsecondsBetweenDirections(h->sky, body::Sun, body::Moon);
        EXPECT_GT(apart, c.lowest) << c.place;
        EXPECT_LT(apart, c.highest) << c.place;

        // From a place every row adds the altitude and azimuth: the eclipse
        // stands high in the south of Dallas.
        const std::string csv = positionsCsv(*h, bodies);
        EXPECT_EQ(csv.find("altitude_deg,azimuth_deg\n") != std::string::npos, *c.place != 0) << c.place;
        if (std::string(c.place).starts_with("32.")) {
            const std::string sunRow = csv.substr(csv.find("\n0,Sun,") + 1);
            std::istringstream fields(sunRow.substr(0, sunRow.find('\n')));
            std::vector<double> columns;
            for (std::string field; std::getline(fields, field, ',');) columns.push_back(leadingNumber(field));
            ASSERT_EQ(columns.size(), 9u);
            // The Swiss Ephemeris gives altitude 64.60, azimuth 188.21 degrees.
            EXPECT_NEAR(columns[7], 64.6, 0.05);  // altitude
            EXPECT_NEAR(columns[8], 188.2, 0.05);  // azimuth
        }
    }
}

TEST(PositionsCsv, FromMarsNeitherMarsNorTheReferencePoints)
{
    auto h = testing::formWithTables();
    h->texts.bodyNames[English][4] = "Mars, \"red\"";
    PositionsRequest request;
    request.local = {2020, 12, 21, 18, 0};
    request.view = body::Mars;
    const auto bodies = computeRequestedPositions(*h, request);
    EXPECT_EQ(std::count(bodies.begin(), bodies.end(), body::Mars), 0);
    EXPECT_EQ(bodies.back(), body::LastAsteroid);
    h->sky.longitudeDegrees[body::Mars] = 1;
    const std::string csv = positionsCsv(*h, {body::Mars});
    EXPECT_NE(csv.find("\n4,\"Mars, \"\"red\"\"\",1,"), std::string::npos);
    EXPECT_EQ(csv.find("katamuki"), std::string::npos);
}

}  // namespace
}  // namespace halvane
