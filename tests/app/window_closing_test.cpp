// The main window hands its closing to the closing sequence once, also when
// it is closed again or in the middle of a drawing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <csignal>
#include <filesystem>

#include "app/closing.h"
#include "app/ending_requests.h"
#include "app/main_window.h"
#include "data/temp_folder.h"
#include "fakes.h"
#include "music/play_folder.h"
#include "panel/change_handlers.h"
#include "startup/startup.h"

namespace halvane {
namespace {

TEST(WindowClosing, RunsTheClosingOnceAtTheFirstAskEvenMidDrawing)
{
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    MainWindow window(h, {clock, random, messages});
    formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
    window.resize(640, 480);
    int closings = 0;
    window.onClosing = [&] { ++closings; };

    setShown(h, Combo4, "Sequential");
    setText(h, Text16, "1000000");
    QTimer::singleShot(0, &window, [&] {
        window.close();
        window.close();
    });
    const QPointF at(320, 240);
    QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window.view(), &up);  // returns once the run has let go
    EXPECT_TRUE(window.ending());  // the run ended at the close
    EXPECT_EQ(closings, 1);
}

// What the system sends to end the program runs the closing steps as a
// closed window does: the settings are written and the play folder goes.
TEST(WindowClosing, EachEndingSignalWritesTheSettingsAndRemovesThePlayFolder)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        Halvane h;
        testing::FakeClock clock;
        testing::ScriptedRandom random;
        testing::RecordingMessages messages;
        testing::RecordingMidiDevice device;
        testing::TempFolder settings, temp;
        PlayFolder playFolder(temp.path());
        const std::string playFolderPath = playFolder.path();
        MusicPlayer music(device, random, playFolderPath + "/test0.mid");
        MainWindow window(h, {clock, random, messages});
        formLoad(h, {clock, random, messages, &music}, HALVANE_ASSETS_DIR, settings.path());
        window.onClosing = [&] {
            formClosing(h, settings.path(), music, messages);
            playFolder.remove();
        };
        window.show();
        const EndingRequests requests([&] { window.close(); });
        std::raise(signal);
        for (int i = 0; i < 100 && window.isVisible(); ++i) QCoreApplication::processEvents();
        EXPECT_FALSE(window.isVisible()) << signal;
        EXPECT_TRUE(std::filesystem::exists(settings.path() + "/starsini.dat")) << signal;
        EXPECT_FALSE(std::filesystem::exists(playFolderPath)) << signal;
    }
}

}  // namespace
}  // namespace halvane
