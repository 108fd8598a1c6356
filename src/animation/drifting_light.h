// The small pulsing light that drifts across the opening screen and across
// the sky after a drawing: one light with two sets of rules.
#pragma once

#include "ephemeris/constants.h"
#include "surface/surface.h"
#include "util/random.h"

namespace halvane {

struct LightRules {
    double growthPerCycle;  // size added per cycle while growing (taken off while shrinking)
    double peakSize;  // above this size the light starts to shrink
    double headingRange;  // the heading is drawn from [0, headingRange) radians
    bool hidesNearMarks;  // five probes keep it off anything already drawn
};

inline constexpr LightRules openingLight{1.0 / 100, 10, p0, false};
inline constexpr LightRules skyLight{1.0 / 200, 7, 2 * p0, true};

class DriftingLight {
public:
    // Starts in the middle half of an area of `ae` x `bb` twips, heading
    // anywhere in the rules' range (three numbers of `random`).
    DriftingLight(LightRules rules, double ae, double bb, Random& random);
    DriftingLight(LightRules rules, double ae, double bb, double x, double y, double heading);

    // First half of a cycle: while the light is inside the area widened by
    // 50 twips, it grows or shrinks, steps 2 twips on and sets a white dot
    // of its size. A light that hides near marks stays dark while one of
    // its five probes sees a mark, or while its covering dot would wipe one
    // out (the probes pass over a small mark right in front of it).
    void advance(Surface& surface);

    // Second half: a black dot two pixels wider over the previous position
    // covers the white one again.
    void cover(Surface& surface);

    bool shown() const { return shown_; }
    double x() const { return x_; }
    double y() const { return y_; }
    double size() const { return size_; }

private:
    bool inside() const;
    bool probesSeeMark(const Surface& surface) const;
    bool dotWouldTouchMark(const Surface& surface) const;

    LightRules rules_;
    double ae_, bb_;
    double x_, y_, prevX_ = 0, prevY_ = 0, heading_;
    double size_ = 1.1;
    int growth_ = 1;
    bool shown_ = false;  // a white dot stands at the position
};

}  // namespace halvane
