// The program as it stands after start-up and its first activation, with the
// real data files and fake ports, made once for all benchmarks.
#pragma once

#include <memory>

#include "app/activation.h"
#include "app/startup.h"
#include "fakes.h"
#include "panel/halvane.h"

namespace halvane::bench {

struct StartedProgram {
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    testing::FakeEventPump events;

    StartedProgram()
    {
        formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
        firstActivation(h, messages);
    }
};

inline StartedProgram& program()
{
    static const std::unique_ptr<StartedProgram> started = std::make_unique<StartedProgram>();
    return *started;
}

}  // namespace halvane::bench
