#include "data/demo_script.h"

#include <gtest/gtest.h>

#include "data/temp_folder.h"
#include "fakes.h"

namespace halvane {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

std::string titles()
{
    std::string text = "\"デモ\",\"Demo\"";
    for (int p = 1; p <= 21; ++p) text += ",Title" + std::to_string(p);
    return text + "\n";
}

// A scene whose settings are 1 to 10 and then valid selections; `last`
// replaces the follow target.
std::string scene(int r, const std::string& last = "90")
{
    std::string text = "\"場面" + std::to_string(r) + "\",\"Scene" + std::to_string(r) + "\"";
    for (int p = 1; p <= 10; ++p) text += "," + numberText(p * 0.5);
    return text + ",5,0,3,2,1,5,4,4,2,3," + last + "\n";
}

class DemoScriptFile : public ::testing::Test {
protected:
    void read(const std::string& content)
    {
        folder.write("demo.csv", content);
        readDemoScript(script, names, folder.path(), messages);
    }

    TempFolder folder;
    DemoScript script;
    Bilingual<SceneSlots> names;
    RecordingMessages messages;
};

TEST_F(DemoScriptFile, TitlesThenFortyScenes)
{
    std::string content = titles();
    for (int r = 1; r <= 40; ++r) content += scene(r);
    read(content);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(names[Japanese][0], "デモ");
    EXPECT_EQ(names[English][0], "Demo");
    EXPECT_TRUE(script.parameters[1][0].empty());  // a column title is no number
    EXPECT_EQ(names[Japanese][40], "場面40");
    EXPECT_EQ(names[English][1], "Scene1");
    EXPECT_EQ(script.parameters[1][1], Loose(0.5));
    EXPECT_EQ(script.parameters[10][40], Loose(5));
    EXPECT_EQ(script.parameters[11][40], Loose(5));
    EXPECT_EQ(script.parameters[21][40], Loose(90));
}

TEST_F(DemoScriptFile, EmptySettingsStayEmpty)
{
    read(titles() + "\"場面\",\"Scene\",,,,,,,,,,,,,,,,,,,,,\n");
    EXPECT_TRUE(script.parameters[1][1].empty());
    EXPECT_TRUE(script.parameters[21][1].empty());
    EXPECT_EQ(names[English][1], "Scene");
    EXPECT_EQ(messages.shown.size(), 1u);  // the file ends after one scene
}

TEST_F(DemoScriptFile, AChoiceOutsideItsListIsRefused)
{
    read(titles() + scene(1) + scene(2, "31") + scene(3));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"demo.csv is damaged at line 3 (record 3, field 23): a choice outside its list. "
                                       "The first 2 records are used."});
    EXPECT_EQ(names[English][1], "Scene1");
    EXPECT_EQ(names[English][2], "");
    EXPECT_TRUE(script.parameters[21][2].empty());
}

}  // namespace
}  // namespace halvane
