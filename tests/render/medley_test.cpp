#include "render/medley.h"

#include <gtest/gtest.h>

#include <memory>

#include "fakes.h"

namespace halvane {
namespace {

struct Medley : ::testing::Test {
    std::unique_ptr<Halvane> form = std::make_unique<Halvane>();
    Halvane& h = *form;
    RequestState r;
    testing::FakeClock clock;

    Medley() { r.scenePeriod = 15; }

    // One pass at `seconds` past midnight: the scene it loads, 0 for none.
    int passAt(double seconds)
    {
        clock.seconds = seconds;
        advanceMedley(h, r, clock);
        const int scene = h.vars.scene;
        h.vars.scene = 0;  // the pass loads it
        return scene;
    }
};

TEST_F(Medley, HoldsEachSceneForItsPeriod)
{
    // A clock reading whose single-precision copy rounds a hair upwards.
    const double start = 25200.123;
    h.vars.scene = MedleyScene;
    EXPECT_EQ(passAt(start), 1);
    EXPECT_EQ(h.flags.scene2, 1);
    std::vector<std::pair<int, int>> loads;  // pass, scene
    for (int pass = 1; pass <= 125; ++pass)  // one pass every 0.4 s
        if (const int scene = passAt(start + 0.4 * pass)) loads.emplace_back(pass, scene);
    // Scene 1 again at the first advance, then the next scenes in turn,
    // each at the first pass after its period.
    EXPECT_EQ(loads, (std::vector<std::pair<int, int>>{{38, 1}, {76, 2}, {114, 3}}));
}

TEST_F(Medley, StartsOverAfterTheLastSceneAndCountsAcrossMidnight)
{
    h.flags.scene2 = 1;
    r.sceneCounter = 41;  // Saturn2 was the last
    r.sceneTimer = 86395.f;
    EXPECT_EQ(passAt(86399.5), 0);
    EXPECT_EQ(passAt(10), 0);  // 15 s since the start: not yet more
    EXPECT_EQ(passAt(10.5), 1);
    EXPECT_EQ(r.sceneCounter, 0);
    EXPECT_EQ(h.flags.scene2, 1);
    EXPECT_EQ(passAt(26), 1);
    EXPECT_EQ(passAt(41.5), 2);
    // A clock set back a little is no crossing of midnight.
    EXPECT_EQ(passAt(40), 0);
    EXPECT_EQ(passAt(56), 0);
    EXPECT_EQ(passAt(57), 3);
    // Without a medley nothing moves on.
    h.flags.scene2 = 0;
    EXPECT_EQ(passAt(30000), 0);
}

}  // namespace
}  // namespace halvane
