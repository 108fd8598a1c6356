// The main window hands its closing to the closing sequence once, also when
// it is closed again or in the middle of a drawing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include "app/main_window.h"
#include "startup/startup.h"
#include "fakes.h"
#include "panel/change_handlers.h"

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

}  // namespace
}  // namespace halvane
