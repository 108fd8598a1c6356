// Where the overlay mode has printed pass numbers, body by body, so that
// the numbers of a slow body are not printed over one another. A render
// request keeps one for its passes.
#pragma once

#include <map>

#include "util/taken_boxes.h"

namespace halvane {

class PassNumberMarks {
public:
    using Box = LabelBox;

    // True, and `box` kept for `body`, when it overlaps no box kept for it.
    bool claim(int body, const Box& box) { return boxes_[body].claim(box); }
    void clear() { boxes_.clear(); }

private:
    std::map<int, TakenBoxes> boxes_;
};

}  // namespace halvane
