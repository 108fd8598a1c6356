// The program as it stands after start-up and its first activation, with the
// real data files and fake ports, made once for all benchmarks.
#pragma once

#include <memory>

#include "fakes.h"
#include "panel/panel_test_support.h"
#include "startup/startup.h"

namespace halvane::bench {

struct StartedProgram : testing::StartedForm {
    testing::FakeEventPump events;

    StartedProgram() { loadCatalogue(h, messages); }
};

inline StartedProgram& program()
{
    static const std::unique_ptr<StartedProgram> started = std::make_unique<StartedProgram>();
    return *started;
}

}  // namespace halvane::bench
