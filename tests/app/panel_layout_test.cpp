#include "app/panel_layout.h"

#include <gtest/gtest.h>

#include "animation/help_screen.h"

namespace halvane {
namespace {

// The help text that starts right of the panel knows its width.
TEST(PanelLayout, ThePanelIsAsWideAsTheHelpTextTakesIt) { EXPECT_EQ(panelWidth(), PanelWidthTwips); }

}  // namespace
}  // namespace halvane
