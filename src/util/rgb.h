// A 24-bit colour, components 0 to 255.
#pragma once

namespace halvane {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace halvane
