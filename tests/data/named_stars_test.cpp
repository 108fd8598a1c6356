#include "data/named_stars.h"

#include <gtest/gtest.h>

#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

std::string labels(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "\"座" + std::to_string(i) + "\",\"Latin" + std::to_string(i) + "\",\"Gen\",\"Abb\","
            + std::to_string(i) + ",-0.5\n";
    return text;
}

std::string brightStars(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) text += "\"星\",\"Star" + std::to_string(i) + "\",2.5," + std::to_string(i) + "\n";
    return text;
}

TEST(NamedStars, LabelsThenBrightStars)
{
    TempFolder folder;
    folder.write("stelladata.dat", labels(89) + brightStars(21));
    StarTables tables;
    RecordingMessages messages;
    readNamedStars(tables, folder.path(), messages);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(tables.namedTexts[1], (std::array<std::string, 4>{"座1", "Latin1", "Gen", "Abb"}));
    EXPECT_EQ(tables.named[89][star::RightAscension], 89);
    EXPECT_EQ(tables.named[89][star::Declination], -0.5);
    EXPECT_EQ(tables.namedTexts[110], (std::array<std::string, 4>{"星", "Star21", "", ""}));
    EXPECT_EQ(tables.named[110][star::RightAscension], 2.5);
    EXPECT_EQ(tables.named[110][star::Declination], 21);
    EXPECT_EQ(tables.named[111], StarRow{});
}

TEST(NamedStars, AShortFileKeepsTheRowsBeforeItsEnd)
{
    TempFolder folder;
    folder.write("stelladata.dat", labels(89) + brightStars(3) + "\"星\",\"Half\"");
    StarTables tables;
    RecordingMessages messages;
    readNamedStars(tables, folder.path(), messages);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "stelladata.dat is damaged at line 93 (record 93, field 3): the file ends inside the record. "
                  "The first 92 records are used."});
    EXPECT_EQ(tables.namedTexts[92][1], "Star3");
    EXPECT_EQ(tables.namedTexts[93][1], "");
}

}  // namespace
}  // namespace halvane
