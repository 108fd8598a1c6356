#include "startup/system_clock.h"

#include <QDateTime>

namespace halvane {

LocalDateTime SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

double SystemClock::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double SystemRandom::next() { return uniform_(engine_); }

void SystemRandom::reseed() { engine_.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())); }

}  // namespace halvane
