#include "film/film_timeline.h"

#include <QDateTime>
#include <cmath>

#include "film/interrupt.h"

namespace halvane {

FilmTimeline::FilmTimeline(FrameSink& sink, int fps, std::optional<double> limitSeconds) : sink_(sink), fps_(fps)
{
    if (limitSeconds) frameLimit_ = std::max(1L, std::lround(*limitSeconds * fps));
}

void FilmTimeline::showScreen(const QImage& screen) { live_ = &screen; }

void FilmTimeline::holdPicture(const QImage& screen)
{
    // A deep copy: the surface keeps painting into its own image.
    held_ = screen.copy();
    live_ = nullptr;
}

void FilmTimeline::advance(double seconds)
{
    if (interruptRequested()) throw FilmInterrupted{};
    seconds_ += seconds;
    long due = std::lround(seconds_ * fps_);
    const bool complete = frameLimit_ && due >= *frameLimit_;
    if (complete) due = *frameLimit_;
    if (due > frames_) {
        sink_.addFrames(live_ ? *live_ : held_, due - frames_);
        frames_ = due;
    }
    if (complete) throw FilmComplete{};
}

double FilmTimeline::shareOfLength() const
{
    return frameLimit_ ? static_cast<double>(frames_) / static_cast<double>(*frameLimit_) : -1;
}

FilmClock::FilmClock(const FilmTimeline& timeline) : timeline_(timeline)
{
    const QDateTime start = QDateTime::currentDateTime();
    startMsecsSinceEpoch_ = start.toMSecsSinceEpoch();
    startSecondsSinceMidnight_ = start.time().msecsSinceStartOfDay() / 1000.0;
}

LocalDateTime FilmClock::now() const
{
    const auto msecs = startMsecsSinceEpoch_ + std::llround(timeline_.seconds() * 1000);
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(msecs);
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

double FilmClock::secondsSinceMidnight() const
{
    return std::fmod(startSecondsSinceMidnight_ + timeline_.seconds(), 86400.0);
}

}  // namespace halvane
