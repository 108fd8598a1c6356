// The settings file beside the program: read at start-up, written at closing.
#include "startup/settings_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/closing.h"
#include "data/temp_folder.h"
#include "fakes.h"
#include "panel/change_handlers.h"
#include "panel/settings_record.h"
#include "startup/startup.h"

namespace halvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A program folder with its music, started and closed as the program does.
class SettingsRun : public ::testing::Test {
protected:
    SettingsRun()
    {
        fs::create_directory(fs::path(folder.path()) / "music");
        folder.write("music/piece.mid", "MThd");
        // The scene box shows the script's first entry when the scene is 0.
        fs::copy_file(HALVANE_ASSETS_DIR "/demo.csv", folder.path() + "/demo.csv");
    }

    std::unique_ptr<Halvane> start()
    {
        auto h = std::make_unique<Halvane>();
        formLoad(*h, {clock, random, messages, &player}, folder.path(), settings.path());
        return h;
    }
    void close(Halvane& h) { formClosing(h, settings.path(), player, messages); }
    std::string settingsFile() const { return settings.path() + "/starsini.dat"; }

    TempFolder folder, settings, temp;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    testing::RecordingMidiDevice device;
    MusicPlayer player{device, random, temp.path() + "/test0.mid"};
};

TEST_F(SettingsRun, ChoicesOfOneRunOpenTheNext)
{
    auto first = start();
    EXPECT_EQ(first->panel.box(Combo3).shown, "Eng");  // no file: English
    setShown(*first, Combo3, "Japanese");
    setShown(*first, Combo5, "天空黄経");
    setText(*first, Text14, "1.5");
    setShown(*first, Combo6, "固定点");
    close(*first);
    EXPECT_EQ(contentOf(settingsFile()), "0,9,0,0,0,1,1.5,1.570796326795,0,20,10,10,5,0,0,0,0,0,0,0,0,90,90\r\n");

    auto second = start();
    EXPECT_EQ(second->panel.box(Combo3).shown, "日本語");
    EXPECT_EQ(second->panel.box(Combo5).shown, "天空黄経");
    EXPECT_EQ(second->panel.box(Combo6).shown, "固定点");
    EXPECT_EQ(second->panel.box(Combo8).shown, "無追尾");
    EXPECT_EQ(second->panel.text(Text14), "1.5");
    EXPECT_EQ(second->vars.d3dd00, 1.5f);
    EXPECT_TRUE(messages.shown.size() > 0);  // the data files this folder lacks

    setShown(*second, Combo3, "English");
    close(*second);
    EXPECT_EQ(start()->panel.box(Combo6).shown, "Fixed");
}

TEST_F(SettingsRun, ARunEndedDuringAMedleyOpensOnTheMedley)
{
    auto h = start();
    h->flags.scene2 = 1;
    close(*h);
    EXPECT_EQ(start()->panel.box(Combo16).shown, "Medley");
}

TEST_F(SettingsRun, TheFileIsWrittenBeforeTheMusicStops)
{
    auto h = start();
    struct WatchingDevice : MidiDevice {
        std::string file;
        bool fileThereAtStop = false;
        MidiReply send(const std::string& command) override
        {
            if (command.starts_with("stop")) fileThereAtStop = fs::exists(file);
            return {};
        }
    } watching;
    watching.file = settingsFile();
    MusicPlayer watched(watching, random, temp.path() + "/test0.mid");
    formClosing(*h, settings.path(), watched, messages);
    EXPECT_TRUE(watching.fileThereAtStop);
}

TEST_F(SettingsRun, AMusicSettingStartsAPieceAtStartUp)
{
    settings.write("starsini.dat", "1,9,0,0,1\r\n");
    auto h = start();
    const std::string playFile = temp.path() + "/test0.mid";
    EXPECT_EQ(device.commands, (std::vector<std::string>{"open " + playFile, "play " + playFile}));
    close(*h);
    EXPECT_EQ(device.commands.back(), "close " + playFile);
    EXPECT_FALSE(fs::exists(playFile));
}

TEST_F(SettingsRun, AFileInTheWayIsReportedWithItsPlace)
{
    fs::create_directories(settingsFile() + "/inside");
    auto h = start();
    close(*h);
    ASSERT_EQ(messages.shown.size(), 1u + 5u);  // after the five missing data files
    EXPECT_EQ(messages.shown.back().rfind("The settings could not be saved in " + settingsFile(), 0), 0u);
    EXPECT_TRUE(fs::is_directory(settingsFile() + "/inside"));
    EXPECT_EQ(device.commands.back(), "close " + temp.path() + "/test0.mid");  // the music stops all the same

    h->vars.je = Japanese;  // the reason too in the panel's language
    close(*h);
    const std::string head = "設定を保存できませんでした: " + settingsFile() + " (";
    ASSERT_EQ(messages.shown.back().rfind(head, 0), 0u) << messages.shown.back();
    const std::string reason = messages.shown.back().substr(head.size());
    EXPECT_TRUE(std::none_of(reason.begin(), reason.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c));
    })) << reason;
}

TEST_F(SettingsRun, DamagedFilesStartTheProgramWithinItsTables)
{
    const std::string damaged[] = {"7,9,0,99,5,1,nan,1e999,0,20,10,10,9,8,7,6,5,9,9,9,9,55,-3\r\n", "\"0\",,,,,,,,",
                                   "1,2\r\n3", "\xff\xfe,\"",
                                   "90,90,90,90,90,90,90,90,90,90,90,90,"
                                   "90,90,90,90,90,90,90,90,90,90,90,90"};
    for (const std::string& content : damaged) {
        settings.write("starsini.dat", content);
        auto h = start();
        EXPECT_NO_THROW(close(*h)) << content;
        PanelVariables again;
        readSettingsFile(again, settings.path());
        EXPECT_EQ(settingsLine(again), settingsLine(h->vars)) << content;
    }
}

TEST(SettingsFile, AFailedWriteKeepsThePreviousFile)
{
    TempFolder folder;
    folder.write("starsini.dat", "0,9,0\r\n");
    PanelVariables v;
    // A disk that takes no more than 4 bytes per file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto problem = writeSettingsFile(v, folder.path());
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_TRUE(problem.has_value());
    EXPECT_EQ(contentOf(folder.path() + "/starsini.dat"), "0,9,0\r\n");
    EXPECT_EQ(fs::directory_iterator(folder.path())->path().filename(), "starsini.dat");  // no temporary left
    EXPECT_FALSE(writeSettingsFile(v, folder.path()).has_value());
}

TEST(SettingsFile, TheFileBesideTheProgramIsReadEvenWhereItCannotBeWritten)
{
    QStandardPaths::setTestModeEnabled(true);
    const std::string user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
    fs::remove(user + "/starsini.dat");
    TempFolder folder;
    const struct {
        bool fileBeside, writable, userFile;
        std::string read, write;
    } cases[] = {
        {true, true, false, folder.path(), folder.path()},
        {true, false, false, folder.path(), user},  // a portable copy on a read-only medium
        {true, false, true, user, user},  // ... after its first run
        {false, true, false, user, folder.path()},
        {false, false, false, user, user},
    };
    for (const auto& c : cases) {
        fs::remove(folder.path() + "/starsini.dat");
        fs::remove(user + "/starsini.dat");
        if (c.fileBeside) folder.write("starsini.dat", "1\r\n");
        if (c.userFile) writeSettingsFile(PanelVariables(), user);
        const SettingsFolders chosen = settingsFolders(folder.path(), c.writable);
        EXPECT_EQ(chosen.read, c.read) << c.fileBeside << c.writable << c.userFile;
        EXPECT_EQ(chosen.write, c.write) << c.fileBeside << c.writable << c.userFile;
    }
    fs::remove(user + "/starsini.dat");
    EXPECT_EQ(settingsFolders(folder.path()).write, folder.path());
    EXPECT_EQ(settingsFolders(folder.path() + "/no such folder").write, user);
    EXPECT_EQ(settingsFolders("").read, user);  // installed: never beside the program
}

TEST(SettingsFile, ANameInAnotherCaseIsNoSettingsFile)
{
    TempFolder folder;
    folder.write("STARSINI.DAT", "0\r\n");
    PanelVariables v;
    readSettingsFile(v, folder.path());
    EXPECT_EQ(v.je, English);
}

}  // namespace
}  // namespace halvane
