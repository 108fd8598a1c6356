#include "film/film_command.h"

#include <iostream>
#include <memory>

#include "film/film_encoder.h"
#include "film/film_file.h"
#include "film/frame_source.h"
#include "film/interrupt.h"
#include "film/sound_track.h"

namespace halvane {

namespace {

int refuse(const std::string& why)
{
    std::cerr << "halvane-chart: " << why << "\n";
    return 2;
}

}  // namespace

int writeFilm(const ChartRequest& request, const std::string& dataFolder, Messages& messages, bool progressShown)
{
    const FilmFormat format = filmFormat(request.out).value_or(FilmFormat::Mp4);
    if (format != FilmFormat::WebP && (request.width % 2 != 0 || request.height % 2 != 0))
        return refuse("a film's width and height must be even numbers of pixels");
    const InterruptCatcher catcher;
    FilmFile file(request.out);
    if (!file.error().empty()) {
        std::cerr << "halvane-chart: " << file.error() << "\n";
        return 1;
    }
    try {
        std::unique_ptr<SoundTrack> sound;
        if (request.film.music) sound = std::make_unique<SoundTrack>(dataFolder, messages);
        FilmEncoder encoder(file.temporaryPath(), request.out, format, request.width, request.height,
                            request.film.fps.value_or(DefaultFramesPerSecond), sound.get());
        std::string refusal;
        {
            ProgressLine progress(std::cerr, progressShown);
            auto h = std::make_unique<Halvane>();
            refusal = filmFrames(*h, request, dataFolder, messages, encoder, &progress);
        }
        if (!refusal.empty()) return refuse(refusal);
        if (encoder.frames() == 0) return refuse("the request draws no pass, so it makes no film");
        encoder.finish();
        if (interruptRequested()) throw FilmInterrupted{};
        if (std::string error = file.commit(); !error.empty()) throw FilmError(error);
    } catch (const FilmError& error) {
        std::cerr << "halvane-chart: " << error.what() << "\n";
        return 1;
    } catch (const FilmInterrupted&) {
        std::cerr << "halvane-chart: interrupted; no film was written\n";
        return 130;
    }
    return 0;
}

}  // namespace halvane
