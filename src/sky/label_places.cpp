#include "sky/label_places.h"

namespace halvane {

ChartPoint placeLabel(TakenBoxes& taken, const ChartPoint& at, double width, double height, double gap, double rise)
{
    const double right = at.x + gap, left = at.x - gap - width, top = at.y - rise;
    constexpr struct {
        bool onTheLeft;
        double lines;
    } places[]{{false, 0}, {false, 1}, {false, -1}, {true, 0}, {true, 1},
               {true, -1}, {false, 2}, {false, -2}, {true, 2}, {true, -2}};
    for (const auto& place : places) {
        const double x = place.onTheLeft ? left : right, y = top + place.lines * height;
        if (taken.claim({x, y, x + width, y + height})) return {x, y};
    }
    return {right, top};
}

}  // namespace halvane
