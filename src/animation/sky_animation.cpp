#include "animation/sky_animation.h"

#include <algorithm>

namespace halvane {

namespace {

constexpr double FrameSeconds = 1.0 / FramesPerSecond;

}  // namespace

void runSkyAnimation(std::optional<DriftingLight>& light, const AnimationSteps& steps, DrawPorts ports, double start)
{
    for (;;) {
        if (steps.stopped()) return;
        const double frameStart = secondsSince(start, ports.clock);
        for (int cycle = 1; cycle <= CyclesPerFrame; ++cycle) {
            if (light) light->advance(ports.surface);
            steps.twinkle();
            // The light shows only between its white dot and the black one.
            if (cycle == CyclesPerFrame) ports.events.showDrawing();
            if (light) light->cover(ports.surface);
        }
        const double spent = secondsSince(start, ports.clock) - frameStart;
        ports.events.waitForEvents(std::max(0.0, FrameSeconds - spent));
        if (steps.stopped()) return;
        if (steps.afterEvents) steps.afterEvents();
        if (secondsSince(start, ports.clock) > AnimationSeconds) {
            steps.finish();
            return;
        }
    }
}

}  // namespace halvane
