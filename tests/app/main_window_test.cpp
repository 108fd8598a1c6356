#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include "app/startup.h"
#include "fakes.h"
#include "panel/change_handlers.h"

namespace halvane {
namespace {

struct Window : ::testing::Test {
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    MainWindow window{h, {clock, random, messages}};

    Window()
    {
        formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
        window.resize(640, 480);
    }

    void release(QPointF at)
    {
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window.view(), &up);
    }
};

TEST_F(Window, PanelWidgetsMirrorTheModel)
{
    setText(h, Text3, "40");
    bool shown = false;
    for (const QLineEdit* e : window.findChildren<QLineEdit*>()) shown |= e->text() == "40";
    EXPECT_TRUE(shown);
}

TEST_F(Window, TheCaptionNamesThePreciseModel)
{
    EXPECT_EQ(window.windowTitle(), "Halvane");
    Halvane precise;
    precise.positionModel = PositionModel::Precise;
    const MainWindow preciseWindow{precise, {clock, random, messages}};
    EXPECT_EQ(preciseWindow.windowTitle(), "Halvane (precise)");
}

TEST_F(Window, ClosingInTheMiddleOfALongRunEndsTheDrawingCleanly)
{
    setShown(h, Combo4, "Sequential");
    setText(h, Text16, "1000000");
    QTimer::singleShot(0, &window, [this] { window.close(); });
    release({320, 240});  // returns only once the run has let go of the window
    EXPECT_TRUE(window.ending());
    EXPECT_FALSE(window.isVisible());
    release({320, 240});  // a click after the end starts nothing
}

TEST_F(Window, ClickDrawsTheSkyIntoTheSurface)
{
    setShown(h, Combo4, "Single");
    release({320, 240});
    EXPECT_FALSE(window.ending());
    EXPECT_EQ(h.panel.text(Text22).rfind("equat.", 0), 0u);
}

}  // namespace
}  // namespace halvane
