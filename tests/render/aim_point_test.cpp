#include "render/aim_point.h"

#include <gtest/gtest.h>

#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"

namespace halvane {
namespace {

using testing::StartedForm;

struct Recentring : ::testing::Test {
    StartedForm form;
    Halvane& h = form.h;
    RequestState request;

    void clickAt(double dx, double dy)
    {
        request.ae = 28800;
        request.bb = 16200;
        request.X = request.ae / 2 + dx;
        request.Y = request.bb / 2 + dy;
        recentreOnClick(h, request);
    }
};

TEST_F(Recentring, CentreClickKeepsTheAimPoint)
{
    setText(h, Text3, "40");
    setText(h, Text1, "83.63");
    setText(h, Text2, "22.0145");
    clickAt(0, 0);
    EXPECT_EQ(h.panel.text(Text1), "83.63");
    EXPECT_EQ(h.panel.text(Text2), "22.0145");
}

TEST_F(Recentring, ClickRightOfCentreLowersTheFirstAngle)
{
    setText(h, Text3, "40");
    setText(h, Text1, "90");
    clickAt(400, 0);
    EXPECT_EQ(h.panel.text(Text1), "88.1");
    EXPECT_NEAR(h.vars.b1, 88.1 * p0 / 180, 1e-12);
    clickAt(0, 400);  // below the centre lowers the second angle
    EXPECT_EQ(h.panel.text(Text2), "-1.9");
}

TEST_F(Recentring, ClickOverThePoleTurnsBack)
{
    setText(h, Text3, "20");
    setText(h, Text2, "89");
    clickAt(0, -1000);
    EXPECT_EQ(h.panel.text(Text2), "81.5");  // 98.5 turned back to 180 - 98.5
}

TEST_F(Recentring, FirstAngleWrapsAndOrbitViewsUseMagnification20)
{
    setText(h, Text1, "1");
    setText(h, Text3, "1000");
    setShown(h, Combo5, "1-Orbit");
    clickAt(400, 0);  // 0.19 * 400 / 20 = 3.8
    EXPECT_EQ(h.panel.text(Text1), "357.2");
}

TEST(RandomAimPoint, SpreadsOverTheSphere)
{
    StartedForm form;
    form.random.values = {0.25, 0.9, 0.5};
    randomAimPoint(form.h, form.random);
    EXPECT_EQ(form.h.panel.text(Text1), "90");
    EXPECT_NEAR(boxNumber(form.h, Text2), -22.5, 1e-9);  // sign(0.5 - 0.9) * 0.25 * 90
    form.random.values = {0.0, 0.5, 0.9};
    randomAimPoint(form.h, form.random);
    EXPECT_EQ(form.h.panel.text(Text2), "0");
}

}  // namespace
}  // namespace halvane
