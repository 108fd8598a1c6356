#include "sky/label_places.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(LabelPlaces, ANameMovesToTheFirstFreePlaceAndIsNeverLost)
{
    // Names 40 x 10 twips, 5 to the right of an object at (100, 100), their
    // tops 2 above it; left of it they start at 100 - 5 - 40.
    constexpr double width = 40, height = 10, gap = 5, rise = 2;
    struct Case {
        int namesBefore;  // names placed first at the same object
        double x, y;
    };
    const Case cases[] = {
        {0, 105, 98},  // right, at the object
        {1, 105, 108},  // a line lower
        {2, 105, 88},  // a line higher
        {3, 55, 98},  // then the left side
        {4, 55, 108},  // a line lower there
        {5, 55, 88},  // a line higher there
        {6, 105, 118},  // two lines lower on the right
        {7, 105, 78},  // two higher
        {8, 55, 118},  // the same on the left
        {9, 55, 78},  // and higher
        {10, 105, 98},  // every place taken: where it belongs, over another
    };
    for (const Case& c : cases) {
        TakenBoxes taken;
        for (int n = 0; n < c.namesBefore; ++n) placeLabel(taken, {100, 100}, width, height, gap, rise);
        const ChartPoint at = placeLabel(taken, {100, 100}, width, height, gap, rise);
        EXPECT_DOUBLE_EQ(at.x, c.x) << c.namesBefore;
        EXPECT_DOUBLE_EQ(at.y, c.y) << c.namesBefore;
    }

    // Names that only touch leave each other be.
    TakenBoxes taken;
    placeLabel(taken, {100, 100}, width, height, gap, rise);
    EXPECT_DOUBLE_EQ(placeLabel(taken, {100, 110}, width, height, gap, rise).y, 108);
}

}  // namespace
}  // namespace halvane
