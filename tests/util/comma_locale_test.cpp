// Numbers are written and read with "." even when the C locale writes "0,5"
// (Qt sets the C locale from the environment). The tests switch to a German
// locale for real: the system's own, or one built with localedef into a
// temporary folder that LOCPATH points at.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "data/field_reader.h"
#include "data/temp_folder.h"
#include "panel/change_handlers.h"
#include "panel/panel_test_support.h"
#include "panel/stepping.h"
#include "render/panel_sync.h"

namespace halvane {
namespace {

constexpr const char* commaLocale = "de_DE.UTF-8";

// Makes the German locale loadable; the folder lives as long as the tests.
bool buildCommaLocale()
{
    static testing::TempFolder folder;
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + folder.path() + "/" + commaLocale + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", folder.path().c_str(), 1);
    return true;
}

class CommaDecimalLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, commaLocale)) {
            ASSERT_TRUE(buildCommaLocale() && std::setlocale(LC_ALL, commaLocale))
                << commaLocale << " cannot be made (Debian package locales)";
        }
        char written[16];
        std::snprintf(written, sizeof written, "%.1f", 0.5);
        ASSERT_STREQ(written, "0,5");  // the locale really writes a comma
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(CommaDecimalLocale, NumberTextAndParsingUseThePoint)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.015, "0.015"},       {-12.3457, "-12.3457"}, {269.656773135097, "269.656773135097"},
                 {2.5e-7, "0.00000025"}, {1e20, "1E+20"},        {90, "90"}};
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.value), c.text);
        EXPECT_EQ(parseNumber(c.text), c.value) << c.text;
        EXPECT_EQ(leadingNumber(std::string(c.text) + "x"), c.value) << c.text;
    }
    EXPECT_EQ(numberText(0.1f), "0.1");
    EXPECT_EQ(numberText(3.1415927f), "3.141593");
    EXPECT_FALSE(parseNumber("0,5").has_value());
    EXPECT_EQ(leadingNumber("0,5"), 0);
    EXPECT_EQ(parseNumber(" +2.5E-2 "), 0.025);
    EXPECT_EQ(parseNumber("1e-400"), 0);  // too small: zero, as with the point anywhere
    EXPECT_FALSE(parseNumber("1e400").has_value());
}

TEST_F(CommaDecimalLocale, DataFilesReadThePoint)
{
    FieldReader r("1.5,-0.25,+2.5e1\n\"x\"");
    EXPECT_EQ(r.number(), 1.5);
    EXPECT_EQ(r.number(), -0.25);
    EXPECT_EQ(r.looseNumber(), Loose(25));
    EXPECT_EQ(r.text(), "x");
    FieldReader comma("1,5");
    EXPECT_EQ(comma.number(), 1);  // the comma separates two fields
}

TEST_F(CommaDecimalLocale, PanelTextsRoundTrip)
{
    testing::StartedForm form;
    Halvane& h = form.h;
    setText(h, Text17, "0.03");
    pressStepButton(h, form.messages, Command16);
    EXPECT_EQ(h.panel.text(Text17), "0.015");
    EXPECT_EQ(h.bodies.x[body::FixedPoint], 0.015);
    setText(h, Text15, "0.015");
    setText(h, Text1, "83.63");
    setText(h, Text3, "12.5");
    panelWriteBack(h);
    panelRead(h);
    EXPECT_EQ(h.panel.text(Text15), "0.015");
    EXPECT_EQ(h.panel.text(Text1), "83.63");
    EXPECT_EQ(h.panel.text(Text3), "12.5");
    EXPECT_EQ(h.vars.t10.value(), 0.015);
    EXPECT_TRUE(form.messages.shown.empty());  // no "Please input number"
}

}  // namespace
}  // namespace halvane
