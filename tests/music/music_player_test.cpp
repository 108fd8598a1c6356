#include "music/music_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/temp_folder.h"
#include "fakes.h"
#include "music/piece_choice.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(PieceChoice, PositionFromTheRandomNumberThenTheFirstLowerCaseMidName)
{
    struct Case {
        Names names;
        double r;
        std::optional<std::string> chosen;
    };
    const Case cases[] = {
        {{"a.mid", "b.mid"}, 0.6, "b.mid"},  // n = Int(2.2) = 2
        {{"a.mid", "b.mid"}, 0.0, "a.mid"},
        {{"a.mid", "b.MID", "c.midi"}, 0.5, "c.midi"},  // n = 2: the upper-case name is passed over
        {{"a.mid", "b.MID"}, 0.6, std::nullopt},  // nothing at or after position 2 qualifies
        {{"A.MID"}, 0.0, std::nullopt},
        {{"a.mid", "b.mid", "c.mid"}, 0.1, "b.mid"},  // a.mid failed before
    };
    for (const Case& c : cases) {
        const std::set<std::string> skipped = c.r == 0.1 ? std::set<std::string>{"a.mid"} : std::set<std::string>{};
        EXPECT_EQ(choosePiece(c.names, c.r, skipped), c.chosen) << c.names.size() << " names, r = " << c.r;
    }
}

TEST(PieceChoice, ListingIgnoresCaseAndTakesMidiNamesAndFilesOnly)
{
    TempFolder folder;
    for (const char* name : {"b.mid", "A.MID", "c.midi", "notes.txt", "d.mid.bak"}) folder.write(name, "x");
    fs::create_directory(fs::path(folder.path()) / "e.mid");
    EXPECT_EQ(listPieces(folder.path()), (Names{"A.MID", "b.mid", "c.midi"}));
    EXPECT_TRUE(listPieces(folder.path() + "/missing").empty());
}

class Player : public ::testing::Test {
protected:
    Player()
    {
        fs::create_directory(music());
        folder.write("music/one.mid", "first piece");
        folder.write("music/two.mid", "second piece");
        random.values = {0.6};
    }

    std::string music() const { return folder.path() + "/music"; }
    std::string command(const std::string& verb, const std::string& after = "") const
    {
        return verb + " " + playFile + after;
    }
    Names takeCommands() { return std::exchange(device.commands, {}); }
    std::string played() const
    {
        std::ifstream in(playFile);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TempFolder folder, temp;
    std::string playFile = temp.path() + "/test0.mid";
    testing::RecordingMidiDevice device;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    testing::FakeEventPump events;
    std::ostringstream log;
    MusicPlayer player{device, random, playFile, log};
};

TEST_F(Player, CommandsAtStartUpAtTheEndOfAPieceAndAtClosing)
{
    player.start(folder.path(), 1, messages);
    EXPECT_EQ(takeCommands(), (Names{command("open"), command("play")}));
    EXPECT_EQ(played(), "second piece");

    player.tick(1, events);
    EXPECT_EQ(takeCommands(), (Names{command("status", " mode")}));
    for (int i = 0; i < 9; ++i) player.tick(1, events);  // a second of playing
    takeCommands();

    device.status = "stopped";
    random.values = {0.2};
    player.tick(1, events);
    EXPECT_EQ(takeCommands(),
              (Names{command("status", " mode"), command("stop"), command("close"), command("open"), command("play")}));
    EXPECT_EQ(played(), "first piece");
    EXPECT_EQ(events.calls, 2 * 11);

    player.close();
    EXPECT_EQ(takeCommands(), (Names{command("stop"), command("close")}));
    EXPECT_FALSE(fs::exists(playFile));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(log.str(), "");
}

TEST_F(Player, SwitchingOffStopsAndRemovesThePlayFileAndSwitchingOnStartsANewPiece)
{
    player.start(folder.path(), 1, messages);
    takeCommands();
    player.tick(0, events);
    EXPECT_EQ(takeCommands(), (Names{command("status", " mode"), command("stop"), command("close")}));
    EXPECT_FALSE(fs::exists(playFile));

    player.tick(1, events);  // the device says "playing" still: the restart flag starts the piece
    EXPECT_EQ(takeCommands(),
              (Names{command("status", " mode"), command("stop"), command("close"), command("open"), command("play")}));
    EXPECT_TRUE(fs::exists(playFile));
    player.tick(1, events);
    EXPECT_EQ(takeCommands(), (Names{command("status", " mode")}));
}

TEST_F(Player, StartWithoutMusicRemovesALeftoverPlayFileAndPlaysNothing)
{
    temp.write("test0.mid", "left from a crash");
    player.start(folder.path(), 0, messages);
    EXPECT_TRUE(device.commands.empty());
    EXPECT_FALSE(fs::exists(playFile));
}

TEST_F(Player, AnEmptyMusicFolderEndsTheProgram)
{
    TempFolder empty;
    EXPECT_THROW(player.start(empty.path(), 0, messages), ProgramEnd);
    EXPECT_EQ(messages.shown, Names{"No music file !"});
}

TEST_F(Player, AnUpperCaseNameIsCountedButNeverPlayed)
{
    fs::remove(music() + "/one.mid");
    fs::remove(music() + "/two.mid");
    folder.write("music/LOUD.MID", "upper case");
    player.start(folder.path(), 1, messages);  // counted: the program goes on
    EXPECT_TRUE(messages.shown.empty());
    player.tick(1, events);
    for (const std::string& c : device.commands) EXPECT_EQ(c.rfind("open", 0), std::string::npos) << c;
    EXPECT_FALSE(fs::exists(playFile));
}

TEST_F(Player, APieceThatCannotBeOpenedIsReportedOnceAndNotTriedOnEveryTick)
{
    fs::remove(music() + "/one.mid");
    device.failOpen = true;
    player.start(folder.path(), 1, messages);
    for (int i = 0; i < 10; ++i) player.tick(1, events);
    EXPECT_EQ(std::count(device.commands.begin(), device.commands.end(), command("open")), 1);
    EXPECT_EQ(log.str(),
              "halvane: the piece " + music()
                  + "/two.mid cannot be played (not a MIDI file); it is skipped\n"
                    "halvane: no piece of music can be played; the music stays silent\n");

    device.failOpen = false;  // switched off and on: the piece gets a new chance
    player.tick(0, events);
    device.commands.clear();
    player.tick(1, events);
    EXPECT_EQ(device.commands.back(), command("play"));
}

TEST_F(Player, APieceThatEndsAtOnceIsSkippedOnceAndAMusicWithNoneLeftFallsSilent)
{
    device.status = "stopped";  // every piece ends at once, as one with a broken track does
    random.values = {0.6, 0.2};
    player.start(folder.path(), 1, messages);
    for (int i = 0; i < 30; ++i) player.tick(1, events);
    EXPECT_EQ(std::count(device.commands.begin(), device.commands.end(), command("play")), 2);
    EXPECT_EQ(log.str(),
              "halvane: the piece " + music()
                  + "/two.mid ended within a second of its start; it is skipped\n"
                    "halvane: the piece "
                  + music()
                  + "/one.mid ended within a second of its start; it is skipped\n"
                    "halvane: no piece of music can be played; the music stays silent\n");

    device.status = "playing";  // a piece that plays on is never skipped
    player.tick(0, events);
    device.commands.clear();
    for (int i = 0; i < 30; ++i) player.tick(1, events);
    EXPECT_EQ(std::count(device.commands.begin(), device.commands.end(), command("play")), 1);
}

}  // namespace
}  // namespace halvane
