#include "app/system_ports.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMessageBox>

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

void QtMessages::show(const std::string& text)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QStringLiteral("Halvane"));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace halvane
