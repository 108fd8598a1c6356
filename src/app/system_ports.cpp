#include "app/system_ports.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace halvane {

LocalDateTime SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double SystemRandom::next() { return uniform_(engine_); }

void SystemRandom::reseed()
{
    engine_.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

void QtEventPump::letEventsRun()
{
    beforeEvents_();
    QCoreApplication::processEvents();
    if (ending_()) throw ProgramEnd();
}

void QtEventPump::waitForEvents(double seconds)
{
    const int milliseconds = static_cast<int>(std::lround(std::clamp(seconds, 0.0, 1.0) * 1000));
    if (milliseconds == 0) {
        QCoreApplication::processEvents();
    } else {
        // The loop sleeps until an event or the timer comes; a handler that
        // runs longer than the wait ends it when it returns.
        QEventLoop loop;
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (ending_()) throw ProgramEnd();
}

void QtMessages::show(const std::string& text)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Halvane"));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace halvane
