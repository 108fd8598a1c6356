#include "render/end_of_pass.h"

#include <gtest/gtest.h>

#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "render/pass_readouts.h"

namespace halvane {
namespace {

using testing::StartedForm;

TEST(AimReadouts, HoursMinutesSecondsAndDegreesMinutesSeconds)
{
    EXPECT_EQ(hoursMinutesSeconds(83.63), "5h34m31s");
    EXPECT_EQ(degreesMinutesSeconds(22.0145), "+22°0′52″");
    EXPECT_EQ(degreesMinutesSeconds(0), "-0°0′0″");
    EXPECT_EQ(degreesMinutesSeconds(-5.5), "-5°30′0″");
    EXPECT_EQ(hoursMinutesSeconds(0), "0h0m0s");

    StartedForm form;
    setText(form.h, Text20, "equat.");
    setText(form.h, Text1, "83.63");
    setText(form.h, Text2, "22.0145");
    writeAimReadouts(form.h);
    EXPECT_EQ(form.h.panel.text(Text22), "equat.5h34m31s");
    EXPECT_EQ(form.h.panel.text(Text23), "+22°0′52″");
}

TEST(Rounding, CutsToFourDecimalsTowardsMinusInfinity)
{
    StartedForm form;
    setText(form.h, Text1, "12.34567");
    setText(form.h, Text2, "-12.34567");
    setText(form.h, Text11, "1.00089999999999");
    setText(form.h, Text12, "0.29");
    roundAngleBoxes(form.h);
    EXPECT_EQ(form.h.panel.text(Text1), "12.3456");
    EXPECT_EQ(form.h.panel.text(Text2), "-12.3457");
    EXPECT_EQ(form.h.panel.text(Text11), "1.0008");
    // A value already at four decimals keeps them, even where the binary
    // product lands a hair below the whole number.
    EXPECT_EQ(form.h.panel.text(Text12), "0.29");
    for (const char* exact : {"1.0009", "83.6299", "-0.0003", "359.9999"}) {
        setText(form.h, Text1, exact);
        roundAngleBoxes(form.h);
        EXPECT_EQ(form.h.panel.text(Text1), exact);
    }
}

TEST(PassDecision, IdleAnimationOnlyAfterTheLastPassOfARun)
{
    StartedForm form;
    RequestState request;
    form.h.vars.norm = repeat::Sequential;
    setText(form.h, Text16, "3");
    request.passCounter = 2;
    EXPECT_FALSE(idleAnimationDue(form.h, request));
    request.passCounter = 3;
    EXPECT_TRUE(idleAnimationDue(form.h, request));
    form.h.flags.t99 = true;
    EXPECT_FALSE(idleAnimationDue(form.h, request));
}

}  // namespace
}  // namespace halvane
