#include "data/constellation_lines.h"

#include <gtest/gtest.h>

#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

class ConstellationLines : public ::testing::Test {
protected:
    void read(const std::string& content)
    {
        folder.write("conl.dat", content);
        readConstellationLines(tables, folder.path(), messages);
    }

    static std::string records(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) text += "0.1,0.2,0.3,0.4\n";
        return text;
    }

    TempFolder folder;
    StarTables tables;
    RecordingMessages messages;
};

TEST_F(ConstellationLines, StoresEachRecordAsEndPointColumns)
{
    read(records(730) + "9,9,9,9\n");  // beyond the 730th record: ignored
    EXPECT_TRUE(messages.shown.empty());
    for (const int row : {1, 730}) {
        EXPECT_EQ(tables.lines[row][0], 0.1);
        EXPECT_EQ(tables.lines[row][1], 0.3);
        EXPECT_EQ(tables.lines[row][2], 0.2);
        EXPECT_EQ(tables.lines[row][3], 0.4);
    }
    EXPECT_EQ(tables.lines[0][0], 0);
    EXPECT_EQ(tables.lines[731][0], 0);
}

TEST_F(ConstellationLines, AShortFileIsReportedAndKeepsItsRecords)
{
    read(records(500));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"conl.dat ends after 500 of its 730 records. The first 500 records are used."});
    EXPECT_EQ(tables.lines[500][3], 0.4);
    EXPECT_EQ(tables.lines[501][3], 0);
}

TEST_F(ConstellationLines, ADamagedRecordIsNotStoredInPart)
{
    read("0.1,0.2,0.3,0.4\n0.5,0.6,x,0.8\n");
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "conl.dat is damaged at line 2 (record 2, field 3): text where a number is expected (\"x\"). "
                  "The first record is used."});
    EXPECT_EQ(tables.lines[2][0], 0);
}

}  // namespace
}  // namespace halvane
