// The time of a film and the frames it is made of. Time moves on only when
// the request waits or holds a finished pass; each frame whose moment is
// passed then shows the picture on screen at that time.
#pragma once

#include <QImage>
#include <optional>

#include "util/clock.h"

namespace halvane {

// Where the frames go: an encoder, or a test that looks at them.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // `count` more frames, each showing `picture`.
    virtual void addFrames(const QImage& picture, long count) = 0;
};

// Thrown when the film has reached the length it was given.
struct FilmComplete {};
// Thrown when the user interrupted the film (Ctrl-C).
struct FilmInterrupted {};

class FilmTimeline {
public:
    // Frames at `fps` a second; with `limitSeconds` the film ends there.
    FilmTimeline(FrameSink& sink, int fps, std::optional<double> limitSeconds);

    // The picture on screen is `screen` as it is whenever a frame is due,
    // until the next call.
    void showScreen(const QImage& screen);
    // The picture on screen is a copy of `screen` as it is now, though
    // the drawing goes on (a light drawn for the moment it is shown).
    void holdPicture(const QImage& screen);

    // Moves the film's time on by `seconds`, writing the frames due. Ends
    // with FilmComplete at the film's length, FilmInterrupted after Ctrl-C.
    void advance(double seconds);

    double seconds() const { return seconds_; }
    long frames() const { return frames_; }
    int fps() const { return fps_; }
    // The share of the given length reached, or negative without one.
    double shareOfLength() const;

private:
    FrameSink& sink_;
    int fps_;
    std::optional<long> frameLimit_;
    double seconds_ = 0;
    long frames_ = 0;
    const QImage* live_ = nullptr;
    QImage held_;
};

// The computer's clock at the film's start, moved on by the film's time:
// the medley's periods and every wait count in film time.
class FilmClock : public Clock {
public:
    explicit FilmClock(const FilmTimeline& timeline);
    LocalDateTime now() const override;
    double secondsSinceMidnight() const override;

private:
    const FilmTimeline& timeline_;
    long long startMsecsSinceEpoch_;
    double startSecondsSinceMidnight_;
};

}  // namespace halvane
