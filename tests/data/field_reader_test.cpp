#include "data/field_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvane {
namespace {

// The reason and place of the fault the next read raises.
template <typename Read> FileFault faultOf(Read read)
{
    try {
        read();
    } catch (const FileFault& fault) {
        return fault;
    }
    ADD_FAILURE() << "no fault";
    return FileFault("", 0, 0, false);
}

TEST(FieldReader, ReadsFieldsAcrossLinesCommasAndQuotes)
{
    FieldReader r("\"Sirius, alpha CMa\",1.5\n-0.3,\n\"\"\r\n  \n bare text , +2.5e1\r7");
    EXPECT_EQ(r.text(), "Sirius, alpha CMa");
    EXPECT_EQ(r.number(), 1.5);
    EXPECT_EQ(r.number(), -0.3);
    EXPECT_EQ(r.text(), "");  // empty field before the line end
    EXPECT_EQ(r.text(), "");  // quoted empty text; the blank line after it is no field
    EXPECT_EQ(r.text(), "bare text");
    EXPECT_EQ(r.number(), 25);
    EXPECT_EQ(r.number(), 7);  // a lone CR ends a line too
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, EndOfDataIgnoresTrailingLineEndsAndByteOrderMark)
{
    FieldReader r("\xEF\xBB\xBF"
                  "1,2\n\n \r\n");
    EXPECT_EQ(r.number(), 1);
    EXPECT_FALSE(r.atEnd());
    EXPECT_EQ(r.number(), 2);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(FieldReader("").atEnd());
}

TEST(FieldReader, LooseNumbersKeepEmptyFieldsEmpty)
{
    FieldReader r("1,,\"3\"\n");
    EXPECT_EQ(r.looseNumber(), Loose(1));
    EXPECT_TRUE(r.looseNumber().empty());
    EXPECT_EQ(r.looseNumber(), Loose(3));
}

TEST(FieldReader, FaultsNameTheLineTheFieldAndTheProblem)
{
    FieldReader r("1,2\n3,abc\n");
    r.beginRecord();
    r.number();
    r.number();
    r.beginRecord();
    r.number();
    const FileFault fault = faultOf([&] { r.number(); });
    EXPECT_EQ(fault.line, 2);
    EXPECT_EQ(fault.field, 2);
    EXPECT_FALSE(fault.endOfData);
    EXPECT_STREQ(fault.what(), "text where a number is expected (\"abc\")");
}

TEST(FieldReader, RefusesWhatIsNoFiniteNumber)
{
    for (const char* field : {"1.2.3", "12abc", "inf", "nan", "+-1", "+", "-", "0x10", "5e"}) {
        FieldReader r(field);
        EXPECT_THROW(r.number(), FileFault) << field;
    }
    EXPECT_STREQ(faultOf([] { FieldReader("1e999").number(); }).what(), "a number out of range (\"1e999\")");
    EXPECT_STREQ(faultOf([] { FieldReader(",").number(); }).what(), "an empty field where a number is expected");
}

TEST(FieldReader, FaultsAtTheEndOfDataAndOnBrokenQuotes)
{
    FieldReader ended("1\n\n");
    ended.number();
    const FileFault end = faultOf([&] { ended.text(); });
    EXPECT_TRUE(end.endOfData);
    EXPECT_EQ(end.line, 3);

    EXPECT_STREQ(faultOf([] { FieldReader("\"open, text").text(); }).what(), "a quoted text has no closing quote");
    EXPECT_STREQ(faultOf([] { FieldReader("\"a\"b,1").text(); }).what(), "text after a closing quote");
}

TEST(FieldReader, QuotesLongFieldsShortAndWhole)
{
    const std::string longText = "あいうえおかきくけこ";  // three bytes a character
    const FileFault fault = faultOf([&] { FieldReader(longText).number(); });
    EXPECT_STREQ(fault.what(), "text where a number is expected (\"あいうえおかきく...\")");

    const struct {
        std::string field, quote;
    } unprintable[] = {
        {std::string("1\0"
                     "2",
                     3),
         "\"1\\x002\""},
        {"a\x1b[31mb\x7f", "\"a\\x1b[31mb\\x7f\""},
        {"\xe3\x81x\xff\xc0\xafé", "\"\\xe3\\x81x\\xff\\xc0\\xafé\""},  // broken UTF-8 and a good é
        {"\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},  // a surrogate is no character
    };
    for (const auto& c : unprintable) {
        const FileFault damaged = faultOf([&] { FieldReader(c.field).number(); });
        EXPECT_EQ(std::string(damaged.what()), "text where a number is expected (" + c.quote + ")") << c.quote;
    }
}

TEST(FieldReader, OpeningAMissingFileGivesNothing)
{
    EXPECT_FALSE(FieldReader::open("/nonexistent/halvane/file.dat").has_value());
}

}  // namespace
}  // namespace halvane
