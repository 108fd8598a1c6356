// The pace and the cycle shared by the opening screen and the living sky
// after a drawing: a light drifts and stars twinkle for five seconds, at a
// fixed pace whatever the speed of the machine, with window events run
// between frames.
#pragma once

#include <functional>
#include <optional>

#include "animation/drifting_light.h"
#include "drawing/draw_ports.h"

namespace halvane {

// 600 cycles a second move the light 1200 twips a second (80 pixels at
// 96 DPI): it drifts across a fifth of a full-HD sky in the five seconds,
// and the sky light reaches its peak size in two seconds and is back to its
// smallest size after four. The screen shows every twentieth cycle.
inline constexpr int CyclesPerSecond = 600;
inline constexpr int FramesPerSecond = 30;
inline constexpr int CyclesPerFrame = CyclesPerSecond / FramesPerSecond;
inline constexpr double AnimationSeconds = 5;

// What makes one animation differ from the other.
struct AnimationSteps {
    std::function<void()> twinkle;  // the star work of one cycle
    std::function<bool()> stopped;  // a stop flag is set: end without more drawing
    std::function<void()> afterEvents;  // after each wait for events (may be empty)
    std::function<void()> finish;  // the five seconds are over
};

// Runs cycles of light and twinkle, frame after frame, until `stopped` or
// until more than five seconds have passed since `start` (seconds since
// midnight), which ends with `finish`. Without a light only the stars
// twinkle.
void runSkyAnimation(std::optional<DriftingLight>& light, const AnimationSteps& steps, DrawPorts ports, double start);

}  // namespace halvane
