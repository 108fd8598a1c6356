#include <gtest/gtest.h>

#include <limits>

#include "sky/star_colour.h"
#include "star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

TEST(StarColour, TheColourSettingTintsEachClass)
{
    EXPECT_EQ(chooseStarColour("K", 4, 200), (Rgb{200, 112, 24}));
    EXPECT_EQ(chooseStarColour("O", 4, 200), (Rgb{24, 24, 200}));
    EXPECT_EQ(chooseStarColour("M", 0, 200), (Rgb{200, 200, 200}));
    // "", "+" and unknown letters are A stars: (1 - 2 x 0.05) x 100 = 90.
    for (const char* cls : {"A", "", "+", "X", "KM"}) EXPECT_EQ(chooseStarColour(cls, 2, 100), (Rgb{90, 90, 100}));
    // Halves go to the even neighbour: 62.5 -> 62, (1 - 0.08) x 62.5 = 57.5 -> 58.
    EXPECT_EQ(chooseStarColour("F", 1, 62.5), (Rgb{62, 62, 58}));
    EXPECT_EQ(chooseStarColour("G", 0, 256), (Rgb{255, 255, 255}));
}

TEST(StarColour, ValuesFromOutsideTheMenuAreHeldToIt)
{
    EXPECT_EQ(chooseStarColour("K", 99, 200), chooseStarColour("K", 4, 200));
    EXPECT_EQ(chooseStarColour("K", -1, 200), chooseStarColour("K", 0, 200));
    EXPECT_EQ(chooseStarColour("K", 4, 1e9), chooseStarColour("K", 4, 256));
    EXPECT_EQ(chooseStarColour("K", 4, std::numeric_limits<double>::quiet_NaN()), (Rgb{}));
}

TEST(StarBlock, SizeAndWidthBonusFollowTheLevel)
{
    StarPlotting p;
    prepareStar(p, 200);
    EXPECT_LT(p.starSize, 1);
    EXPECT_EQ(p.starLevel, 200);
    prepareStar(p, 1024);
    EXPECT_EQ(p.starSize, 2);
    EXPECT_EQ(p.widthBonus, 1);
    EXPECT_EQ(p.starLevel, 256);
    // Bonus sizes: (1.6, 4), (6.5, 9), (20, 25), all open.
    for (double size : {1.6, 4.0, 5.0, 6.5, 9.0, 20.0, 25.0}) {
        prepareStar(p, size * size * 256);
        EXPECT_EQ(p.widthBonus, 0) << size;
    }
    for (double size : {1.7, 3.9, 7.0, 22.0}) {
        prepareStar(p, size * size * 256);
        EXPECT_EQ(p.widthBonus, 1) << size;
    }
}

TEST(StarBlock, RowsAndDotsOfTheBlock)
{
    // 5 twips to the pixel, so that every dot (6 twips apart) has its own pixel.
    struct Case {
        double level;
        int pixels;
    };
    for (const Case c : {Case{200, 1}, Case{256, 2 * 2}, Case{1024, 3 * 4}, Case{2304, 4 * 5}}) {
        StarSky sky(20, 5);
        sky.plotOne(c.level);
        EXPECT_EQ(sky.litPixels(), c.pixels) << c.level;
        EXPECT_EQ(sky.surface.penWidth(), 1);
    }
}

TEST(StarBlock, KeepColourPaintsInTheCallersColourOnce)
{
    StarSky sky;
    sky.surface.setForeColour({0, 0, 0});
    sky.plotting.keepColour = true;
    sky.surface.setPixel(100, 50, {9, 9, 9});
    sky.plotOne(250);  // erased in black
    EXPECT_EQ(sky.litPixels(), 0);
    EXPECT_FALSE(sky.plotting.keepColour);
    sky.plotOne(250);  // its own colour again
    EXPECT_EQ(sky.surface.point(1500, 750), (Rgb{250, 250, 250}));
}

// Star sizes are given as levels: size s needs level 256 s^2.
double levelOfSize(double size) { return 256 * size * size; }

TEST(StarRays, RaysBeginAboveSizeSixAndGrowInSteps)
{
    struct Case {
        double size;
        bool diagonal, straight;
        int penWidth;  // as the last ray pair leaves it
    };
    // Rays as long as they get (cross 4): the first diagonal pair reaches
    // 13 x size twips, the straight cross 14 x size; the block reaches
    // 3 x size - 6 to the right and down.
    for (const Case c :
         {Case{6, false, false, 1}, Case{6.5, true, false, 1}, Case{15, true, false, 1}, Case{16, true, true, 2},
          Case{30, true, true, 2}, Case{31, true, true, 3}, Case{150, true, true, 15}, Case{151, true, true, 5}}) {
        StarSky sky(20, 2, QSize(1000, 600));
        sky.h.vars.cross = 4;
        sky.plotOne(levelOfSize(c.size));
        const double beyondBlock = 3.3 * c.size + 10;
        EXPECT_EQ(sky.litNear(beyondBlock, beyondBlock), c.diagonal) << c.size;
        EXPECT_EQ(sky.litNear(beyondBlock, 0), c.straight) << c.size;
        EXPECT_EQ(sky.surface.penWidth(), c.penWidth) << c.size;
    }
}

TEST(StarRays, TheCrossSettingScalesTheRays)
{
    // Size 16: the straight cross reaches 0.7 x 6 x rayScale x 16 twips,
    // 22.4 with cross 0 (rayScale 1/3) and 89.6 with cross 3 (4/3).
    for (int cross : {0, 3}) {
        StarSky sky(20, 2, QSize(1000, 600));
        sky.h.vars.cross = cross;
        sky.plotOne(levelOfSize(16));
        EXPECT_EQ(sky.litNear(80, 0), cross == 3) << cross;
        EXPECT_FALSE(sky.litNear(95, 0)) << cross;
    }
}

}  // namespace
}  // namespace halvane
