// What a film request adds to a picture request: the file's kind, the
// frame rate, how long each pass stays, the film's length and its sound.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvane {

enum class FilmFormat {
    Mp4,  // H.264 and AAC
    Matroska,  // H.264 and AAC in .mkv
    WebM,  // VP9 and Opus
    WebP,  // an animated picture, no sound
};

// The film kind the file name's ending names, if any.
std::optional<FilmFormat> filmFormat(std::string_view path);

struct FilmPace {
    std::optional<int> fps;  // default 25
    std::optional<double> passSeconds;  // default 0.2 s; the Saturn scene one frame
    std::optional<double> seconds;  // the film ends by then at the latest
    bool music = false;
};

constexpr int DefaultFramesPerSecond = 25;
constexpr double DefaultPassSeconds = 0.2;

// Why the film options do not fit the file `out` (a picture takes none, a
// .webp has no sound), or empty.
std::string filmOptionProblem(const FilmPace& pace, const std::string& out);

}  // namespace halvane
