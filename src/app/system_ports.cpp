#include "app/system_ports.h"

#include "util/vector_registers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGridLayout>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace halvane {

void QtEventPump::letEventsRun()
{
    beforeEvents_();
    QCoreApplication::processEvents();
    settleVectorRegisters();
    if (ending_()) throw ProgramEnd();
}

void QtEventPump::waitForEvents(double seconds)
{
    const int milliseconds = static_cast<int>(std::lround(std::clamp(seconds, 0.0, 1.0) * 1000));
    // Sleeps until an event comes; the timer's own event ends the last sleep.
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    do {
        if (!wake.isActive()) wake.start(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
        QCoreApplication::processEvents(milliseconds > 0 ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    } while (!deadline.hasExpired() && !ending_());
    settleVectorRegisters();
    if (ending_()) throw ProgramEnd();
}

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// Keeps the user's input away from every window but `box`, as a modal box
// does, but lets a close request through: Qt drops the close of a window a
// modal box blocks, and closing the main window cannot be cancelled, so the
// box closes with the window it belongs to.
class InputOnlyFor : public QObject {
public:
    explicit InputOnlyFor(QDialog& box) : box_(box) { QCoreApplication::instance()->installEventFilter(this); }
    ~InputOnlyFor() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputOnlyFor(const InputOnlyFor&) = delete;
    InputOnlyFor& operator=(const InputOnlyFor&) = delete;

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::Close && target == box_.parentWidget() && box_.isVisible()) box_.reject();
        if (!isUserInput(event->type())) return false;
        if (const auto* widget = qobject_cast<QWidget*>(target)) return widget->window() != &box_;
        if (const auto* window = qobject_cast<QWindow*>(target)) return window != box_.windowHandle();
        return false;
    }

private:
    QDialog& box_;
};

}  // namespace

void QtMessages::show(const std::string& text)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Halvane"));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::NonModal);
    // Wide enough for the title bar to show the title beside the window's
    // own buttons, however short the text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleRoom =
            box.fontMetrics().horizontalAdvance(box.windowTitle()) + 4 * box.fontMetrics().height() + 96;
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    const InputOnlyFor filter(box);
    QEventLoop waiting;
    QObject::connect(&box, &QMessageBox::finished, &waiting, &QEventLoop::quit);
    box.show();
    waiting.exec();
}

}  // namespace halvane
