#include <gtest/gtest.h>

#include <sstream>

#include "chart_command/progress_line.h"

namespace halvane {
namespace {

TEST(ProgressLine, TellsPassesFramesAndTheTimeStillNeededOnlyOnATerminal)
{
    struct Case {
        Progress progress;
        double elapsed;
        std::string text;
    };
    const std::vector<Case> cases{
        {{12, 29, 60, 12.0 / 29}, 3, "pass 12 of 29, 60 frames, 0:03 elapsed, about 0:04 to go"},
        {{5, 9999, -1, 5.0 / 9999}, 10, "pass 5 of 9999, 0:10 elapsed, about 5:33:08 to go"},
        {{40, 0, 1000, 0.5}, 75, "pass 40, 1000 frames, 1:15 elapsed, about 1:15 to go"},
        {{3, 0, 15, -1}, 1, "pass 3, 15 frames, 0:01 elapsed"},
    };
    for (const Case& c : cases) EXPECT_EQ(progressText(c.progress, c.elapsed), c.text);

    std::ostringstream silent, terminal;
    {
        ProgressLine off(silent, false), on(terminal, true);
        off.update({1, 2, 5, 0.5});
        on.update({1, 2, 5, 0.5});
    }
    EXPECT_EQ(silent.str(), "");
    EXPECT_TRUE(terminal.str().starts_with("\rpass 1 of 2, 5 frames")) << terminal.str();
    EXPECT_TRUE(terminal.str().ends_with("\n"));
}

}  // namespace
}  // namespace halvane
