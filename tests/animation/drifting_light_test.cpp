#include "animation/drifting_light.h"

#include <gtest/gtest.h>

#include "surface/lit_pixels.h"

namespace halvane {
namespace {

constexpr Rgb white{255, 255, 255};

bool anyLit(const Surface& surface) { return testing::litPixelCount(surface.screen()) > 0; }

TEST(DriftingLight, LeavesPastTheRightEdgeAndIsNeverDrawnAgainNorLeavesADot)
{
    Surface surface(QSize(200, 100));
    const double ae = surface.scaleWidth(), bb = surface.scaleHeight();
    DriftingLight light(skyLight, ae, bb, ae - 10, bb / 2, 0);
    int lastShown = -1;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        light.advance(surface);
        if (light.shown()) {
            lastShown = cycle;
            if (cycle == 0) {
                EXPECT_EQ(surface.point(light.x(), light.y()), white);
            }
        }
        light.cover(surface);
    }
    EXPECT_EQ(lastShown, 30);  // (10 + 50) / 2 steps to the widened edge
    EXPECT_LE(light.x(), ae + 52);
    // The white dot of its last step, half inside the window, was covered too.
    EXPECT_FALSE(anyLit(surface));
}

TEST(DriftingLight, HidesWhileAProbeSeesAMarkNeverWipesOneOutAndShowsAgainAfter)
{
    Surface surface(QSize(400, 100));
    const double y = 757.5;  // pixel row 50
    // Dim marks of 3 x 3 pixels: one on the path, one where the probe a
    // quarter turn right of the point ahead passes (y grows downwards).
    for (const QPoint& m : {QPoint(200, 50), QPoint(300, 57)})
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) surface.setPixel(m.x() + dx, m.y() + dy, {30, 0, 0});
    auto mark = [&](double px, double py) { return surface.point(px, py) != Rgb{}; };
    // Half-twip positions never fall on a pixel edge, where the probes' own
    // rounding of pi would decide.
    DriftingLight light(skyLight, surface.scaleWidth(), surface.scaleHeight(), 1500.5, y, 0);
    int hiddenCycles = 0, cycle = 0, lastHidden = 0, lastShown = 0;
    while (light.x() < 5000) {
        ++cycle;
        const double x = light.x() + 2;  // where this cycle's step ends
        const bool seen =
            mark(x, y) || mark(x + 100, y) || mark(x - 100, y) || mark(x + 100, y + 100) || mark(x + 100, y - 100);
        light.advance(surface);
        if (seen) {
            ASSERT_FALSE(light.shown()) << x;
        }
        hiddenCycles += !light.shown();
        (light.shown() ? lastShown : lastHidden) = cycle;
        light.cover(surface);
    }
    // The ahead, own and behind probes pass the first mark, the side probe
    // the second; the light never wiped a mark out and shows again after.
    EXPECT_GE(hiddenCycles, 4 * 20);
    EXPECT_GT(lastShown, lastHidden);
    for (const QPoint& m : {QPoint(200, 50), QPoint(300, 57)})
        EXPECT_EQ(surface.point(m.x() * 15, m.y() * 15), (Rgb{30, 0, 0}));
}

}  // namespace
}  // namespace halvane
