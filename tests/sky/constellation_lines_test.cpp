#include "sky/constellation_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data/constellation_lines.h"
#include "ephemeris/vector.h"
#include "fakes.h"
#include "render/view_angles.h"
#include "star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

// A segment with both ends given as (longitude, latitude)
// radians in the equatorial or the ecliptic columns; the aim point at 0, 0.
struct Segment {
    double a0, d0, a1, d1;
};

// Every row of the table holds the segment, the other columns a point far
// from the aim point.
void putSegment(Halvane& h, Segment s, bool ecliptic)
{
    const int a = ecliptic ? line::Longitude : line::RightAscension;
    const int d = ecliptic ? line::Latitude : line::Declination;
    for (auto& row : h.stars.lines) {
        row.fill(1.5);
        row[a] = s.a0, row[a + 1] = s.a1, row[d] = s.d0, row[d + 1] = s.d1;
    }
}

struct LineCase {
    const char* what;
    double b3;
    int selec, con;
    bool eclipticColumns;
    Segment segment;
    double atU, atV;  // where a pixel of the line is looked for, radians
    Rgb expected;  // black: nothing drawn there
};

TEST(ConstellationFigures, DrawnWhereAndAsTheRulesSay)
{
    const Rgb dark{20, 20, 80}, bright{40, 40, 160}, none{};
    const LineCase cases[] = {
        {"the view centre lands in the middle", 20, display::SkyEquatorial, 2, false, {0, 0, 0.01, 0}, 0, 0, bright},
        {"dark lines", 20, display::SkyEquatorial, 1, false, {0, 0, 0.01, 0}, 0, 0, dark},
        {"one end far outside is still drawn",
         20,
         display::SkyEquatorial,
         2,
         false,
         {0, 0.05, 0.5, 0.05},
         0.1,
         0.05,
         bright},
        {"both ends outside draws nothing", 20, display::SkyEquatorial, 2, false, {0.3, 0, 0.5, 0}, 0.3, 0, none},
        {"a segment inside the seam is drawn",
         1.5,
         display::SkyEquatorial,
         2,
         false,
         {2.9, 0, 3.05, 0},
         2.98,
         0,
         bright},
        {"a segment over the seam is cut there",
         1.5,
         display::SkyEquatorial,
         2,
         false,
         {3.1, 0, -3.1, 0},
         3.12,
         0,
         bright},
        {"and its other part", 1.5, display::SkyEquatorial, 2, false, {3.1, 0, -3.1, 0}, -3.12, 0, bright},
        {"ecliptic columns in Sky-ecliptic", 20, display::SkyEcliptic, 2, true, {0, 0, 0.01, 0}, 0, 0, bright},
        {"equatorial columns in Sky-ecliptic are not read",
         20,
         display::SkyEcliptic,
         2,
         false,
         {0, 0, 0.01, 0},
         0,
         0,
         none},
        {"ecliptic columns in Sky-equatorial are not read",
         20,
         display::SkyEquatorial,
         2,
         true,
         {0, 0, 0.01, 0},
         0,
         0,
         none},
    };
    for (const LineCase& c : cases) {
        StarSky sky(c.b3);
        sky.h.vars.b1 = 0, sky.h.vars.b2 = 0;
        sky.h.vars.selec = c.selec;
        sky.h.vars.con = c.con;
        putSegment(sky.h, c.segment, c.eclipticColumns);
        centreLineEnds(sky.h);
        drawConstellationLines(sky.h, sky.surface, sky.screen);
        const double x = sky.screen.x(c.atU), y = sky.screen.y(c.atV);
        EXPECT_EQ(sky.surface.point(x, y), c.expected) << c.what;
        if (c.expected == none) {
            EXPECT_EQ(sky.litPixels(), 0) << c.what;
        }
    }
}

// The real figures at 1920 x 1080, magnifications 7.5 (the whole sky) and
// 20: a straight line between two ends is as wide on the chart as the
// arc between them allows, k x acos((cos arc - sin v0 sin v1) / (cos v0 cos
// v1)); a line wider than that would wrap behind the viewer and must not
// show.
TEST(ConstellationFigures, NoLineIsWiderOnTheChartThanItsArcAllows)
{
    StarTables tables;
    testing::RecordingMessages messages;
    readConstellationLines(tables, HALVANE_ASSETS_DIR, messages);
    ASSERT_TRUE(messages.shown.empty());
    const Rgb bright{40, 40, 160};
    struct Aim {
        double ra, dec;  // degrees
    } aims[] = {{83, 0},   {119.18, 47.32}, {0, 0},     {90, 60},  {180, -30}, {270, 89},
                {45, -89}, {300, 20},       {150, -60}, {230, 40}, {10, 75},   {200, 0}};
    int wideLines = 0;
    for (double b3 : {7.5, 20.0})
        for (const Aim& aim : aims) {
            StarSky sky(b3, 15, QSize(1920, 1080));
            sky.h.stars.lines = tables.lines;
            sky.h.vars.b1 = aim.ra * p0 / 180, sky.h.vars.b2 = aim.dec * p0 / 180;
            sky.h.vars.selec = display::SkyEquatorial;
            sky.h.vars.con = 2;
            centreLineEnds(sky.h);
            drawConstellationLines(sky.h, sky.surface, sky.screen);
            const auto litNear = [&](double x, double y) {
                for (int i = -1; i <= 1; ++i)
                    for (int j = -1; j <= 1; ++j)
                        if (sky.surface.point(x + 15 * i, y + 15 * j) == bright) return true;
                return false;
            };
            for (int s = 1; s <= star::LineRecords; ++s) {
                const auto& row = sky.h.stars.lines[static_cast<size_t>(s)];
                const Xyz e0 = unitVector(row[line::RightAscension], row[line::Declination]);
                const Xyz e1 = unitVector(row[line::RightAscension + 1], row[line::Declination + 1]);
                const double v0 = row[6], v1 = row[7];
                const double cosArc = e0.x * e1.x + e0.y * e1.y + e0.z * e1.z;
                const double cosSpan = (cosArc - std::sin(v0) * std::sin(v1)) / (std::cos(v0) * std::cos(v1));
                const double allowed = sky.screen.twipsPerRadian() * std::acos(std::clamp(cosSpan, -1.0, 1.0));
                const double x0 = sky.screen.x(row[4]), y0 = sky.screen.y(v0);
                const double x1 = sky.screen.x(row[5]), y1 = sky.screen.y(v1);
                if (std::abs(x1 - x0) <= allowed + 30) continue;
                int shown = 0, inside = 0;
                for (double t : {0.3, 0.5, 0.7}) {
                    const double x = x0 + t * (x1 - x0), y = y0 + t * (y1 - y0);
                    if (x < 30 || y < 30 || x > sky.screen.ae - 30 || y > sky.screen.bb - 30) continue;
                    ++inside;
                    shown += litNear(x, y);
                }
                if (inside == 0) continue;
                ++wideLines;
                EXPECT_LT(shown, inside) << "segment " << s << " aim " << aim.ra << " " << aim.dec << " b3 " << b3;
            }
        }
    EXPECT_GT(wideLines, 20);  // the wrapping segments were there to be left out
}

TEST(ConstellationFigures, EndsKeepTheirViewCentredAngles)
{
    StarSky sky;
    sky.h.vars.b1 = 0.2, sky.h.vars.b2 = -0.1;
    putSegment(sky.h, {0.2, -0.1, 0.25, -0.1}, false);
    centreLineEnds(sky.h);
    const auto& row = sky.h.stars.lines[1];
    EXPECT_NEAR(row[4], 0, 1e-12);
    EXPECT_NEAR(row[6], 0, 1e-12);
    EXPECT_GT(row[5], 0.04);
    EXPECT_NEAR(row[7], 0, 0.01);
}

}  // namespace
}  // namespace halvane
