#include "starfield/constellation_lines.h"

#include <gtest/gtest.h>

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
    Rgb expected;     // black: nothing drawn there
};

TEST(ConstellationFigures, DrawnWhereAndAsTheRulesSay)
{
    const Rgb dark{20, 20, 80}, bright{40, 40, 160}, none{};
    const LineCase cases[] = {
        {"the view centre lands in the middle", 20, display::SkyEquatorial, 2, false, {0, 0, 0.01, 0}, 0, 0, bright},
        {"dark lines", 20, display::SkyEquatorial, 1, false, {0, 0, 0.01, 0}, 0, 0, dark},
        {"one end far outside is still drawn", 20, display::SkyEquatorial, 2, false, {0, 0.05, 0.5, 0.05}, 0.1, 0.05, bright},
        {"both ends outside draws nothing", 20, display::SkyEquatorial, 2, false, {0.3, 0, 0.5, 0}, 0.3, 0, none},
        {"a segment inside the seam is drawn", 1.5, display::SkyEquatorial, 2, false, {2.9, 0, 3.05, 0}, 2.98, 0, bright},
        {"the seam at +-3.1 is not crossed", 1.5, display::SkyEquatorial, 2, false, {3.1, 0, -3.1, 0}, 3.0, 0, none},
        {"ecliptic columns in Sky-ecliptic", 20, display::SkyEcliptic, 2, true, {0, 0, 0.01, 0}, 0, 0, bright},
        {"equatorial columns in Sky-ecliptic are not read", 20, display::SkyEcliptic, 2, false, {0, 0, 0.01, 0}, 0, 0, none},
        {"ecliptic columns in Sky-equatorial are not read", 20, display::SkyEquatorial, 2, true, {0, 0, 0.01, 0}, 0, 0, none},
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
