// Rectangles already printed on, so that later text can keep clear of them.
#pragma once

#include <vector>

namespace halvane {

struct LabelBox {
    double left = 0, top = 0, right = 0, bottom = 0;  // twips
};

class TakenBoxes {
public:
    // True, and `box` kept, when it overlaps no box kept before.
    bool claim(const LabelBox& box);

private:
    std::vector<LabelBox> boxes_;
};

}  // namespace halvane
