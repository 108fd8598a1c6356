#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <stdexcept>

#include "animation/help_screen.h"
#include "drawing/drawing_sequence.h"
#include "fakes.h"
#include "panel/change_handlers.h"
#include "panel/stepping.h"
#include "startup/startup.h"
#include "surface/lit_pixels.h"
#include "surface/printed_line.h"

namespace halvane {
namespace {

// Random numbers that fail once when told to, in the middle of a pass.
class FailingRandom : public testing::ScriptedRandom {
public:
    bool failNext = false;
    double next() override
    {
        if (failNext) {
            failNext = false;
            throw std::out_of_range("vector::_M_range_check: __n (which is 259098)");
        }
        return ScriptedRandom::next();
    }
};

// A shown window of 640 x 480 pixels over a started form, its catalogue read.
struct Window : ::testing::Test {
    std::unique_ptr<Halvane> form = std::make_unique<Halvane>();
    Halvane& h = *form;
    testing::FakeClock clock;
    FailingRandom random;
    testing::RecordingMessages messages;
    std::unique_ptr<MainWindow> window;
    QTimer ticking;  // the clock moves on while events run: animations end

    void open(Messages& shownBy)
    {
        ticking.callOnTimeout([this] { clock.seconds += 0.25; });
        ticking.start(0);
        window = std::make_unique<MainWindow>(h, MainWindow::Ports{clock, random, shownBy});
        formLoad(h, {clock, random, messages}, HALVANE_ASSETS_DIR);
        window->show();
        window->resize(640, 480);
        QCoreApplication::processEvents();  // the first activation: the opening screen reads the catalogue
        ASSERT_EQ(window->surface().screen().size(), QSize(640, 480));
        ASSERT_GT(h.stars.stars[star::FirstRow][star::Brightness], 0);
    }
    void SetUp() override { open(messages); }

    void release(QPointF at)
    {
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window->view(), &up);
    }

    // Sirius in the middle of a black window at magnification 20.
    void aimAtSirius()
    {
        setShown(h, Combo4, "Single");
        setShown(h, Combo5, "Sky-equatorial");
        setText(h, Text1, "101.2872");
        setText(h, Text2, "-16.7161");
        setText(h, Text3, "20");
        fullClear(window->surface());
    }
    bool lit(int x, int y) const { return testing::litPixel(window->surface().screen(), x, y); }
    bool litNear(int x, int y) const { return testing::litAround(window->surface().screen(), x, y); }
};

TEST_F(Window, PanelWidgetsMirrorTheModel)
{
    setText(h, Text3, "40");
    bool shown = false;
    for (const QLineEdit* e : window->findChildren<QLineEdit*>()) shown |= e->text() == "40";
    EXPECT_TRUE(shown);
}

TEST_F(Window, TheCaptionNamesThePreciseModel)
{
    EXPECT_EQ(window->windowTitle(), "Halvane");
    Halvane precise;
    precise.positionModel = PositionModel::Precise;
    const MainWindow preciseWindow{precise, {clock, random, messages}};
    EXPECT_EQ(preciseWindow.windowTitle(), "Halvane (precise)");
}

TEST_F(Window, ClosingInTheMiddleOfALongRunEndsTheDrawingCleanly)
{
    setShown(h, Combo4, "Sequential");
    setText(h, Text16, "1000000");
    QTimer::singleShot(0, window.get(), [this] {
        window->close();
        EXPECT_TRUE(window->isVisible());  // the run still holds the window
    });
    release({320, 240});  // returns only once the run has let go of the window
    EXPECT_TRUE(window->ending());
    EXPECT_FALSE(window->isVisible());
    const std::string aim = h.panel.text(Text1);
    release({100, 100});  // a click after the end starts nothing
    EXPECT_EQ(h.panel.text(Text1), aim);
}

TEST_F(Window, ClickDrawsTheStarsWhereTheyStand)
{
    aimAtSirius();
    release({320, 240});
    EXPECT_FALSE(window->ending());
    EXPECT_EQ(h.panel.text(Text22), "equat.6h45m8s");
    EXPECT_TRUE(lit(320, 240));  // Sirius, a block of several pixels
    EXPECT_TRUE(lit(318, 238));
    // In the view centred on Sirius (400 pixels to a radian at
    // magnification 20) Betelgeuse (88.79, +7.41 deg) stands at (414.6,
    // 74.5) and Procyon (114.83, +5.23 deg) at (218.7, 90.2).
    EXPECT_TRUE(litNear(415, 75));
    EXPECT_TRUE(litNear(219, 90));
    EXPECT_FALSE(litNear(415, 100));
    EXPECT_FALSE(lit(5, 470));  // the sky between the stars stays black
}

// Counts the paints of one widget.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Window, LettingEventsRunRepaintsOnlyWhenTheSurfaceChanged)
{
    for (int i = 0; i < 5; ++i) window->events().letEventsRun();  // what was drawn is shown
    const PaintCount count(window->view());
    for (int i = 0; i < 20; ++i) window->events().letEventsRun();  // two seconds of music ticks
    EXPECT_EQ(count.paints, 0);
    window->surface().setPixel(1, 1, {255, 0, 0});
    window->events().letEventsRun();
    window->events().letEventsRun();
    EXPECT_EQ(count.paints, 1);
}

TEST_F(Window, AFaultInAPassAbandonsItAndTheWindowGoesOn)
{
    setShown(h, Combo4, "At Random");
    random.failNext = true;
    release({320, 240});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("259098"), std::string::npos) << messages.shown[0];
    EXPECT_FALSE(window->ending());

    aimAtSirius();
    release({320, 240});
    EXPECT_TRUE(lit(320, 240));
    EXPECT_EQ(messages.shown.size(), 1u);

    window->close();  // no handler is left counted as running
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->ending());
}

TEST_F(Window, HelpButtonReadsTheLanguageBoxStopsTheAnimationAndPrintsTheHelp)
{
    setShown(h, Combo3, "Japanese");  // the panel turns Japanese
    setShown(h, Combo4, "連続表示");
    ASSERT_EQ(h.vars.je, Japanese);
    h.panel.storeShown(Combo3, "English");  // the box says English, the form not yet
    QPushButton* help = nullptr;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->text() == "Exp.") help = b;
    ASSERT_TRUE(help);
    help->click();
    EXPECT_EQ(h.vars.je, English);
    EXPECT_TRUE(h.flags.t99);
    EXPECT_EQ(h.vars.norm, repeat::Single);
    EXPECT_EQ(h.panel.box(Combo4).shown, "連続表示");
    const std::string& request = h.texts.helpLines[English][help::RequestToEnjoy];
    EXPECT_TRUE(testing::printedAt(window->surface(), 0, 20, {156, 156, 156},
                                   request.substr(request.find_first_not_of(' ')), "IPAPGothic", HelpTextLeft));
}

// Each selection box shows every entry of either language whole, widening
// up to the panel's width; where an entry needs more, the box shows it as a
// tooltip and its open list is wider than the box.
TEST_F(Window, SelectionBoxesShowTheirEntriesWholeWithinThePanel)
{
    for (const char* language : {"English", "日本語"}) {
        setShown(h, Combo3, language);
        for (QComboBox* combo : window->findChildren<QComboBox*>()) {
            const QFontMetrics metrics = combo->fontMetrics();
            const int room = combo->width() - 10;  // frames, padding and the arrow
            for (int i = 0; i < combo->count(); ++i) {
                const QString entry = combo->itemText(i);
                const int needed = metrics.horizontalAdvance(entry);
                EXPECT_GE(combo->width(), combo->minimumWidth());
                EXPECT_LE(combo->width(), combo->maximumWidth());
                if (needed > room) {
                    EXPECT_EQ(combo->width(), combo->maximumWidth()) << entry.toStdString();
                    EXPECT_GT(combo->view()->minimumWidth(), combo->width()) << entry.toStdString();
                    combo->setCurrentIndex(i);
                    EXPECT_EQ(combo->toolTip(), entry) << entry.toStdString();
                } else {
                    combo->setCurrentIndex(i);
                    EXPECT_EQ(combo->toolTip(), QString()) << entry.toStdString();
                }
            }
        }
    }
    setText(h, Text22, "ecliptic23h59m59s");
    bool tooltip = false;
    for (const QLineEdit* e : window->findChildren<QLineEdit*>()) tooltip |= e->toolTip() == "ecliptic23h59m59s";
    EXPECT_TRUE(tooltip);
}

TEST_F(Window, ANumberBoxTakesAtMostSixtyFourCharacters)
{
    QLineEdit* box = nullptr;
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
        if (e->text() == QString::fromStdString(h.panel.text(Text3))) box = e;
    ASSERT_TRUE(box);
    box->selectAll();
    for (int i = 0; i < 100; ++i) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QCoreApplication::sendEvent(box, &key);
    }
    EXPECT_EQ(box->text(), QString(64, QLatin1Char('7')));
    EXPECT_EQ(h.panel.text(Text3), std::string(64, '7'));
}

// Qt's own message boxes.
struct WindowWithBoxes : Window {
    QtMessages boxes;
    void SetUp() override
    {
        open(boxes);
        boxes.setParent(window.get());
    }
};

TEST_F(WindowWithBoxes, ClosingWhileAMessageWaitsClosesTheMessageAndEndsTheProgram)
{
    int closings = 0;
    window->onClosing = [&] { ++closings; };
    setText(h, Text3, "abc");
    setText(h, Text1, "90");
    bool boxSeen = false;
    QTimer::singleShot(0, window.get(), [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QMessageBox*>(w)) box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        boxSeen = true;
        EXPECT_EQ(box->text().toStdString(), "Please input number");
        EXPECT_GT(box->sizeHint().width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 96);
        // Nothing blocks the main window's close request, but the user's
        // clicks wait for OK.
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
        release({100, 100});
        EXPECT_EQ(h.panel.text(Text1), "90");
        window->close();  // closing cannot be cancelled: the box goes with the window
        EXPECT_FALSE(box->isVisible());
    });
    window->guarded([&] { pressStepButton(h, boxes, Command6); });  // "+" beside Text3
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(window->ending());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closings, 1);
}

}  // namespace
}  // namespace halvane
