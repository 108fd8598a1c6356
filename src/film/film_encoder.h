// Encodes frames and a sound track into a film file with FFmpeg's
// libraries: H.264 (yuv420p) and AAC in MP4 or Matroska, VP9 and Opus in
// WebM, or an animated WebP picture without sound.
#pragma once

#include <QImage>
#include <memory>
#include <stdexcept>
#include <string>

#include "chart_command/film_pace.h"
#include "film/film_timeline.h"

namespace halvane {

class SoundTrack;

// A failure of the encoder or of the file; what() names it.
class FilmError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FilmEncoder : public FrameSink {
public:
    // Opens `path` (written as it is: the caller renames it into place)
    // for frames of `width` × `height` at `fps`; with `sound`, its samples
    // go into the film as its sound track, cut at the film's end with a
    // short fade. Throws FilmError, which calls the file `shownName`.
    FilmEncoder(const std::string& path, const std::string& shownName, FilmFormat format, int width, int height,
                int fps, SoundTrack* sound);
    ~FilmEncoder() override;
    FilmEncoder(const FilmEncoder&) = delete;
    FilmEncoder& operator=(const FilmEncoder&) = delete;

    void addFrames(const QImage& picture, long count) override;

    // Writes what the encoders still hold and the file's end, and closes
    // it. Throws FilmError.
    void finish();

    long frames() const;

private:
    struct Streams;
    std::unique_ptr<Streams> s_;
};

}  // namespace halvane
