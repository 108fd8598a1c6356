#include "chart_command/film_pace.h"

namespace halvane {

std::optional<FilmFormat> filmFormat(std::string_view path)
{
    if (path.ends_with(".mp4")) return FilmFormat::Mp4;
    if (path.ends_with(".mkv")) return FilmFormat::Matroska;
    if (path.ends_with(".webm")) return FilmFormat::WebM;
    if (path.ends_with(".webp")) return FilmFormat::WebP;
    return std::nullopt;
}

std::string filmOptionProblem(const FilmPace& pace, const std::string& out)
{
    const auto format = filmFormat(out);
    if (!format) {
        const char* given = pace.music ? "--music"
            : pace.seconds             ? "--seconds"
            : pace.passSeconds         ? "--pass-seconds"
            : pace.fps                 ? "--fps"
                                       : nullptr;
        if (given) return std::string(given) + " is for films (.mp4, .mkv, .webm, .webp), not for " + out;
    }
    if (format == FilmFormat::WebP && pace.music)
        return "a .webp picture has no sound track; --music needs .mp4, .mkv or .webm";
    return {};
}

}  // namespace halvane
