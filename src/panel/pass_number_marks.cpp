#include "panel/pass_number_marks.h"

#include <algorithm>

namespace halvane {

bool PassNumberMarks::claim(int body, const Box& box)
{
    std::vector<Box>& kept = boxes_[body];
    const auto overlaps = [&](const Box& b) {
        return box.left < b.right && b.left < box.right && box.top < b.bottom && b.top < box.bottom;
    };
    if (std::any_of(kept.begin(), kept.end(), overlaps)) return false;
    kept.push_back(box);
    return true;
}

}  // namespace halvane
