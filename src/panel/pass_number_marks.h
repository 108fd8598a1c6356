// Where the overlay mode has printed pass numbers, body by body, so that
// the numbers of a slow body are not printed over one another. A render
// request keeps one for its passes.
#pragma once

#include <map>
#include <vector>

namespace halvane {

class PassNumberMarks {
public:
    struct Box {
        double left = 0, top = 0, right = 0, bottom = 0;  // twips
    };

    // True, and `box` kept for `body`, when it overlaps no box kept for it.
    bool claim(int body, const Box& box);
    void clear() { boxes_.clear(); }

private:
    std::map<int, std::vector<Box>> boxes_;
};

}  // namespace halvane
