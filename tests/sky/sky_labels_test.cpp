#include "sky/sky_labels.h"

#include <gtest/gtest.h>

#include "data/texts.h"
#include "sky/star_sky.h"

namespace halvane {
namespace {

using testing::StarSky;

TEST(SkyLabels, SizesByMagnificationAndNearness)
{
    const std::pair<double, double> sizes[] = {{7.5, 8}, {11.9, 8}, {12, 9},   {20, 10},
                                               {30, 11}, {40, 12},  {100, 12}, {100.1, 13}};
    for (auto [b3, points] : sizes) EXPECT_EQ(labelFontSize(b3), points) << b3;
    const std::tuple<double, double, int> steps[] = {{0.3, 1, 4}, {0.7, 1, 3}, {0.9, 1, 2}, {1.1, 1, 1}, {1.6, 1, 0}};
    for (auto [d, r, step] : steps) EXPECT_EQ(labelSizeStep(d, r), step) << d;
}

TEST(SkyLabels, WhoIsNamed)
{
    auto h = std::make_unique<Halvane>();
    struct Case {
        int view, orbit, i;
        bool named;
    } cases[] = {
        {body::Earth, 2, body::Moon, true},  {body::Earth, 3, body::Moon, false},
        {body::Earth, 0, 95, true},          {body::Venus, 0, 95, false},
        {body::Earth, 1, 95, false},         {body::Earth, 3, 22, true},
        {body::Earth, 1, body::Pluto, true}, {body::Earth, 0, body::Earth, false},
        {body::Earth, 0, 35, false},         {body::Earth, 0, body::FixedPoint, false},
    };
    for (const Case& c : cases) {
        h->vars.view = c.view;
        h->vars.orbit = c.orbit;
        EXPECT_EQ(namedBody(*h, c.i), c.named) << c.view << " " << c.orbit << " " << c.i;
    }
}

struct LabelSky : StarSky {
    LabelSky(int je, int view) : StarSky(20, 15, QSize(600, 300))
    {
        fillNameTables(h.texts);
        h.vars.je = je;
        h.vars.view = view;
        h.vars.b1 = 0, h.vars.b2 = 0;
        for (auto& row : h.stars.stars) row[star::ViewU] = 3;  // everything off the chart
        h.stars.namedTexts[1] = {"オリオン座", "Orion", "Orionis", "Ori"};
        h.stars.named[1][star::RightAscension] = 0;  // at the centre
        h.stars.named[1][star::Declination] = 0;
        for (size_t row = 2; row < star::NamedRows; ++row) h.stars.named[row][star::Declination] = 1.5;
    }
    void draw() { drawSkyLabels(h, surface, screen, 1); }
};

TEST(SkyLabels, ConstellationNamesThreeLinesInEnglishOneInJapanese)
{
    LabelSky english(English, body::Earth), japanese(Japanese, body::Earth);
    english.draw();
    japanese.draw();
    const double line = 10 * 100 / 6.0;  // 10 points at magnification 20
    for (int k = 0; k < 3; ++k) {
        EXPECT_GT(english.litIn(100, k * line, 600, line), 0) << k;
        EXPECT_EQ(english.litIn(-300, k * line, 390, line), 0) << k;  // nothing left of X + 100
    }
    EXPECT_GT(japanese.litIn(100, 0, 1000, line), 0);
    EXPECT_EQ(japanese.litIn(100, 1.2 * line, 1000, 2 * line), 0);
}

TEST(SkyLabels, ReferencePointsNamedAndCircledOnlyFromTheEarth)
{
    for (int view : {body::Earth, body::Venus}) {
        LabelSky sky(English, view);
        sky.h.stars.namedTexts[1] = {};
        sky.h.stars.stars[95][star::ViewU] = 0;
        sky.h.stars.stars[95][star::ViewV] = 0;
        sky.draw();
        EXPECT_EQ(sky.litPixels() > 0, view == body::Earth) << view;
        EXPECT_EQ(sky.surface.point(sky.screen.ae / 2 + 60, sky.screen.bb / 2),
                  (view == body::Earth ? Rgb{55, 55, 155} : Rgb{}));
    }
}

// Jupiter's disc of 600 twips, drawn with dots 17 pixels wide, reaches
// 600 + 8.5 x 15 twips: its name starts beyond that, where the disc, drawn
// after the names, leaves it readable.
TEST(SkyLabels, ABodysNameStandsBeyondItsDisc)
{
    LabelSky sky(English, body::Earth);
    sky.h.stars.namedTexts[1] = {};
    sky.h.bodies.x[body::Earth] = 1;
    sky.h.bodies.x[body::Jupiter] = 5;
    sky.h.bodies.displayScale[body::Jupiter] = 4800;  // 4800 / 4 x sqrt(1 / 4) = 600 twips at 4 AU
    sky.h.stars.stars[body::Jupiter][star::ViewU] = 0;
    sky.h.stars.stars[body::Jupiter][star::ViewV] = 0;
    sky.draw();
    const double reach = 600 + 8.5 * 15, line = 10 * 100 / 6.0;
    EXPECT_EQ(sky.litIn(0, 0, reach, 2 * line), 0);
    EXPECT_GT(sky.litIn(reach, 0, 1500, 2 * line), 0);
}

// A name that would stand out of the chart at the right or the bottom edge
// is moved inside it: it shows whole, as it does in the middle.
TEST(SkyLabels, NamesAtTheRightAndBottomEdgesMoveInside)
{
    const auto shownPixels = [](double dx, double dy) {  // twips from the centre to Mars
        LabelSky sky(English, body::Earth);
        sky.h.stars.namedTexts[1] = {};
        sky.h.bodies.x[body::Earth] = 1;
        sky.h.bodies.x[body::Mars] = 1.5;
        sky.h.stars.stars[body::Mars][star::ViewU] = sky.angle(-dx);
        sky.h.stars.stars[body::Mars][star::ViewV] = sky.angle(-dy);
        sky.draw();
        return sky.litPixels();
    };
    const int whole = shownPixels(0, 0);
    ASSERT_GT(whole, 30);
    const std::pair<double, double> edges[] = {{4500 - 30, 0}, {0, 2250 - 30}, {4500 - 30, 2250 - 30}};
    for (auto [dx, dy] : edges) EXPECT_NEAR(shownPixels(dx, dy), whole, 0.15 * whole) << dx << " " << dy;
}

TEST(SkyLabels, TheMoonsNameSitsBelowItsPlace)
{
    LabelSky sky(English, body::Earth);
    sky.h.stars.namedTexts[1] = {};
    sky.h.vars.orbit = 2;
    sky.h.bodies.x[body::Earth] = 1;
    sky.h.bodies.x[body::Moon] = 1.0026;
    sky.h.stars.stars[body::Moon][star::ViewU] = 0;
    sky.h.stars.stars[body::Moon][star::ViewV] = 0;
    sky.draw();
    const double shift = 10 * 100 / 6.0;  // one base-size line; the name itself is 4 points larger
    EXPECT_EQ(sky.litIn(100, 0, 1000, shift - 15), 0);
    EXPECT_GT(sky.litIn(100, shift, 1000, shift), 0);
    EXPECT_EQ(sky.surface.fontSize(), 14);
}

}  // namespace
}  // namespace halvane
