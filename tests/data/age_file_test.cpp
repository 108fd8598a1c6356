#include "data/age_file.h"

#include <gtest/gtest.h>

#include "data/temp_folder.h"
#include "data/texts.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

TEST(AgeFile, FillsRowsOneToTwentyTwo)
{
    TempFolder folder;
    std::string content;
    for (int row = 1; row <= 22; ++row)
        content += "\"紀" + std::to_string(row) + "\",\"Age" + std::to_string(row) + "\",\"代\",\"Era\","
            + std::to_string(row * 1000) + ",-" + std::to_string(row) + "\n";
    folder.write("age.dat", content);
    AgeTables ages;
    RecordingMessages messages;
    readAges(ages, folder.path(), messages);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ages.names[Japanese][1][1], "紀1");
    EXPECT_EQ(ages.names[English][1][22], "Age22");
    EXPECT_EQ(ages.names[Japanese][2][5], "代");
    EXPECT_EQ(ages.names[English][2][5], "Era");
    EXPECT_EQ(ages.thresholds[1][22], 22000);
    EXPECT_EQ(ages.thresholds[2][22], -22);
    EXPECT_EQ(ages.names[English][0][1], "");
    EXPECT_EQ(ages.thresholds[1][0], 0);
}

}  // namespace
}  // namespace halvane
