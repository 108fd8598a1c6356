#include "app/panel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "charts/help_screen.h"

namespace halvane {
namespace {

TEST(PanelLayout, ButtonsUnderABoxKeepOnlyTheirUncoveredPart)
{
    struct Case {
        int button, visible;
    };
    for (const Case& c : {Case{Command5, 120}, Case{Command4, 120}, Case{Command25, 120}, Case{Command7, 135},
                          Case{Command12, 135}, Case{Command10, 615}}) {
        const auto layout = panelLayout();
        const auto placed = std::find_if(layout.begin(), layout.end(), [&](const PlacedControl& p) {
            return p.kind == PlacedControl::Button && p.id == c.button;
        });
        ASSERT_NE(placed, layout.end());
        EXPECT_EQ(visibleWidth(*placed), c.visible) << c.button;
    }
}

// The help text that starts right of the panel knows its width.
TEST(PanelLayout, ThePanelIsAsWideAsTheHelpTextTakesIt)
{
    EXPECT_EQ(panelWidth(), PanelWidthTwips);
}

}  // namespace
}  // namespace halvane
