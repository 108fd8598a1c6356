#include "app/system_ports.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
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
    // Sleeps until an event comes; the timer's own event ends the last sleep.
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    do {
        if (!wake.isActive()) wake.start(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
        QCoreApplication::processEvents(milliseconds > 0 ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    } while (!deadline.hasExpired() && !ending_());
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
