// The zodiac chart's virtual canvas of 12000 x 9000 units, stretched over the
// whole surface. The rings are centred at (6900, 4100); longitude grows
// counter-clockwise from the right-hand side.
#pragma once

#include <string_view>

#include "surface/surface.h"

namespace halvane {

struct VirtualPoint {
    double X = 0, Y = 0;
};

// The point at `longitudeDeg` on the ring of `radius` units.
VirtualPoint ringPoint(double longitudeDeg, double radius);

class ZodiacCanvas {
public:
    explicit ZodiacCanvas(Surface& surface) : surface_(surface) {}

    // `text` in the fore colour with its top-left corner at `at`; a point
    // that is not finite (a longitude from a date beyond reckoning) prints
    // nothing.
    void print(VirtualPoint at, std::string_view text) const;

private:
    Surface& surface_;
};

}  // namespace halvane
