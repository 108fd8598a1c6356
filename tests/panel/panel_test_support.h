// A form state started as the program starts it, with a fake clock.
#pragma once

#include "fakes.h"
#include "panel/halvane.h"
#include "startup/startup.h"

namespace halvane::testing {

struct StartedForm {
    Halvane h;
    FakeClock clock;
    ScriptedRandom random;
    RecordingMessages messages;
    std::vector<std::string> startupMessages;  // what start-up reported

    explicit StartedForm(LocalDateTime now = {2026, 12, 8, 21, 5}, const std::string& folder = HALVANE_ASSETS_DIR)
    {
        clock.time = now;
        formLoad(h, {clock, random, messages}, folder);
        startupMessages = std::move(messages.shown);
        messages.shown.clear();
    }
};

}  // namespace halvane::testing
