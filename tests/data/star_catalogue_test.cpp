#include "data/star_catalogue.h"

#include <gtest/gtest.h>

#include "data/catalogue_conversion.h"
#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

std::string records(int count)
{
    std::string text;
    text.reserve(static_cast<size_t>(count) * 12);
    for (int i = 0; i < count; ++i) text += "1,2,3,\"G\"\n";
    return text;
}

class StarCatalogue : public ::testing::Test {
protected:
    // Reads `content` as the catalogue; true when the program would go on.
    bool read(const std::string& content)
    {
        folder.write("starsdata.dat", content);
        try {
            readStarCatalogue(tables, folder.path(), messages);
            return true;
        } catch (const ProgramEnd&) {
            return false;
        }
    }

    TempFolder folder;
    StarTables tables;
    RecordingMessages messages;
};

TEST_F(StarCatalogue, FillsRowsFromOneHundredAndOneInFileOrder)
{
    ASSERT_TRUE(read("314.159,-50,12.5,\"B\"\n1,2\n3,\"\"\n"));
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(tables.stars.size(), static_cast<size_t>(star::Rows));
    EXPECT_EQ(tables.lastCatalogueRow, 102);
    EXPECT_DOUBLE_EQ(tables.stars[101][star::RightAscension], 3.14159);
    EXPECT_DOUBLE_EQ(tables.stars[101][star::Declination], -0.5);
    EXPECT_EQ(tables.stars[101][star::Brightness], 12.5);
    EXPECT_EQ(tables.spectralClass[101], "B");
    EXPECT_DOUBLE_EQ(tables.stars[102][star::Declination], 0.02);
    EXPECT_EQ(tables.spectralClass[102], "");
    EXPECT_EQ(tables.stars[100], StarRow{});
    EXPECT_EQ(tables.stars[103], StarRow{});
}

TEST_F(StarCatalogue, HoldsAtMostTheLastRow)
{
    const int capacity = star::LastRow - star::FirstRow + 1;
    ASSERT_EQ(capacity, 258997);
    ASSERT_TRUE(read(records(capacity)));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(tables.lastCatalogueRow, star::LastRow);
    EXPECT_EQ(tables.spectralClass[star::LastRow], "G");

    EXPECT_FALSE(read(records(capacity + 1)));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"starsdata.dat is broken."});
}

TEST_F(StarCatalogue, AnEmptyCatalogueIsBroken)
{
    for (const std::string empty : {"", "\n", "\r\n\r\n", "\xEF\xBB\xBF", "  \t \n  "}) {
        messages.shown.clear();
        EXPECT_FALSE(read(empty)) << empty;
        EXPECT_EQ(messages.shown, std::vector<std::string>{"starsdata.dat is broken."}) << empty;
    }
}

TEST_F(StarCatalogue, RowsNoRecordFilledConvertToZeroAngles)
{
    ASSERT_TRUE(read(records(1)));
    convertToEcliptic(tables);
    for (int row = star::FirstRow + 1; row <= star::LastRow; row += 997) {
        EXPECT_EQ(tables.stars[row][star::Longitude], 0);
        EXPECT_EQ(tables.stars[row][star::Latitude], 0);
    }
}

TEST_F(StarCatalogue, AMissingCatalogueEndsTheProgramNamingTheFolder)
{
    try {
        readStarCatalogue(tables, folder.path(), messages);
        FAIL() << "the program goes on";
    } catch (const ProgramEnd&) {}
    EXPECT_EQ(messages.shown, std::vector<std::string>{"starsdata.datを" + folder.path() + "に置いて下さい。"});
}

TEST_F(StarCatalogue, ADamagedCatalogueEndsTheProgramSayingWhere)
{
    EXPECT_FALSE(read("1,2,3,\"A\"\n1,x,3,\"A\"\n"));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "starsdata.dat is damaged at line 2 (record 2, field 2): text where a number is expected (\"x\")."});

    messages.shown.clear();
    EXPECT_FALSE(read("1,2,3,\"A\"\n1,2"));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "starsdata.dat is damaged at line 2 (record 2, field 3): the file ends inside the record."});
}

}  // namespace
}  // namespace halvane
