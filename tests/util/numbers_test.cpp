#include "util/numbers.h"

#include <gtest/gtest.h>

namespace halvane {

TEST(Int, FloorsAlsoForNegatives)
{
    EXPECT_EQ(Int(2.5), 2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(-3), -3);
    EXPECT_DOUBLE_EQ(frac(-0.25), 0.75);
}

TEST(NumberText, ShortestDecimalWithoutTrailingZeros)
{
    EXPECT_EQ(numberText(90.0), "90");
    EXPECT_EQ(numberText(0.015), "0.015");
    EXPECT_EQ(numberText(-12.3457), "-12.3457");
    EXPECT_EQ(numberText(100000000.0), "100000000");
    EXPECT_EQ(numberText(0.0001), "0.0001");
    EXPECT_EQ(numberText(-0.00005), "-0.00005");
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    // Values a conversion leaves a hair off show as the number meant.
    EXPECT_EQ(numberText(180 * (90 * 3.14159265359 / 180) / 3.14159265359), "90");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1.0f), "1");
    EXPECT_EQ(numberText(0.1f), "0.1");
}

TEST(NumberText, ReadsBackToTheSameValue)
{
    for (double q : {1.0 / 3, 123456.789, 2.5e-7, -98765.4321, 1e20, 6.02e23}) {
        const auto back = parseNumber(numberText(q));
        ASSERT_TRUE(back.has_value()) << numberText(q);
        EXPECT_NEAR(*back, q, std::abs(q) * 1e-14) << numberText(q);
    }
}

TEST(NumericTest, AcceptsSignsDecimalsAndBlanksOnly)
{
    for (const char* yes : {"1", " 12 ", "-3.5", "+4", ".5", "5.", "1e3", "-2.5E-2", "\t7"})
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", " ", "-", ".", "abc", "1a", "1 2", "--1", "1e", "e5", "1.2.3", "nan", "inf", "1e999"})
        EXPECT_FALSE(isNumeric(no)) << no;
}

TEST(LeadingNumber, ReadsThePrefixAndIgnoresTheRest)
{
    EXPECT_EQ(leadingNumber("12abc"), 12);
    EXPECT_EQ(leadingNumber("  -0.7 x"), -0.7);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x12"), 0);
    EXPECT_EQ(leadingNumber("1e999"), 0);  // no infinity leaks in
}

TEST(Loose, EmptyReadsAsZeroAndWritesEmpty)
{
    const Loose empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.value(), 0);
    EXPECT_EQ(empty.text(), "");
    EXPECT_EQ(Loose(7.5).text(), "7.5");
    EXPECT_EQ(Loose::fromText("  "), Loose());
    EXPECT_EQ(Loose::fromText("3"), Loose(3));
    EXPECT_FALSE(Loose::fromText("three").has_value());
}

TEST(RoundHalfEven, GoesToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5, 0), 2);
    EXPECT_EQ(roundHalfEven(3.5, 0), 4);
    EXPECT_EQ(roundHalfEven(-2.5, 0), -2);
    EXPECT_NEAR(roundHalfEven(1.23456, 4), 1.2346, 1e-12);
}

}  // namespace halvane
