#include "util/taken_boxes.h"

#include <algorithm>

namespace halvane {

bool TakenBoxes::claim(const LabelBox& box)
{
    const auto overlaps = [&](const LabelBox& b) {
        return box.left < b.right && b.left < box.right && box.top < b.bottom && b.top < box.bottom;
    };
    if (std::any_of(boxes_.begin(), boxes_.end(), overlaps)) return false;
    boxes_.push_back(box);
    return true;
}

}  // namespace halvane
