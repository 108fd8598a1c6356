#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QAbstractItemView>
#include <QTimer>

#include "app/startup.h"
#include "fakes.h"
#include "panel/change_handlers.h"
#include "surface/printed_line.h"

namespace halvane {
namespace {

struct Window : ::testing::Test {
    Halvane h;
    testing::FakeClock clock;
    testing::ScriptedRandom random;
    testing::RecordingMessages messages;
    MainWindow window{h, {clock, random, messages}};
    QTimer ticking;  // the clock moves on while events run

    Window()
    {
        formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
        window.resize(640, 480);
        ticking.callOnTimeout([this] { clock.seconds += 0.25; });
        ticking.start(0);
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

TEST_F(Window, HelpButtonReadsTheLanguageBoxStopsTheAnimationAndPrintsTheHelp)
{
    QResizeEvent resize(QSize(640, 480), QSize());  // as when the window is shown
    QCoreApplication::sendEvent(&window, &resize);
    setShown(h, Combo3, "Japanese");  // the panel turns Japanese
    setShown(h, Combo4, "連続表示");
    ASSERT_EQ(h.vars.je, Japanese);
    h.panel.storeShown(Combo3, "English");  // the box says English, the form not yet
    QPushButton* help = nullptr;
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == "Exp.") help = b;
    ASSERT_TRUE(help);
    help->click();
    EXPECT_EQ(h.vars.je, English);
    EXPECT_TRUE(h.flags.t99);
    EXPECT_EQ(h.vars.norm, repeat::Single);
    EXPECT_EQ(h.panel.box(Combo4).shown, "連続表示");
    const Surface& surface = window.surface();
    EXPECT_TRUE(testing::printedAt(surface, 0, 20, {156, 156, 156}, h.texts.helpLines[English][help::RequestToEnjoy],
                                   "IPAPGothic"));
}

TEST_F(Window, BoxesNarrowerThanTheirTextShowItWholeAsATooltip)
{
    struct Case {
        ComboBox box;
        const char* shown;
        bool cut;
    };
    auto comboFor = [&](ComboBox id) {
        // Selection boxes stand in the order of the layout; find by shown text.
        for (QComboBox* c : window.findChildren<QComboBox*>())
            if (c->currentText() == QString::fromStdString(h.panel.box(id).shown)) return c;
        return static_cast<QComboBox*>(nullptr);
    };
    for (const Case& c : {Case{Combo5, "Sky-equatorial", true}, Case{Combo5, "Zodiac", false},
                          Case{Combo11, "±0 standard", true}, Case{Combo4, "Single", false}}) {
        setShown(h, c.box, c.shown);
        QComboBox* combo = comboFor(c.box);
        ASSERT_TRUE(combo) << c.shown;
        EXPECT_EQ(combo->toolTip(), c.cut ? QString::fromUtf8(c.shown) : QString()) << c.shown;
        EXPECT_GE(combo->view()->minimumWidth(), combo->fontMetrics().horizontalAdvance(QString::fromUtf8(c.shown)));
    }
    setText(h, Text22, "ecliptic23h59m59s");
    bool tooltip = false;
    for (const QLineEdit* e : window.findChildren<QLineEdit*>()) tooltip |= e->toolTip() == "ecliptic23h59m59s";
    EXPECT_TRUE(tooltip);
}

}  // namespace
}  // namespace halvane
