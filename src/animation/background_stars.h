// The random stars behind the opening screen.
#pragma once

#include <array>
#include <vector>

#include "surface/surface.h"
#include "util/random.h"

namespace halvane {

struct BackgroundStar {
    double x = 0, y = 0;  // twips
    double level = 0;  // 20 / r, at most 50000
};

class BackgroundStars {
public:
    static constexpr int Count = 1000;

    // Rows 1 to 1000 anywhere on an area of `ae` x `bb` twips, three numbers
    // of `random` each; row 0 stays a star of level 0 at the corner.
    BackgroundStars(double ae, double bb, Random& random);

    const BackgroundStar& operator[](int row) const { return stars_.at(static_cast<size_t>(row)); }

    // Paints row `row` in grey by its level, or in black to switch it off.
    void paint(Surface& surface, int row, bool grey) const;
    void paintAll(Surface& surface) const;

private:
    std::vector<BackgroundStar> stars_;
};

}  // namespace halvane
