#include "film/frame_source.h"

#include "chart_command/chart_drawing.h"
#include "film/film_events.h"
#include "render/scenes.h"
#include "startup/startup.h"
#include "startup/system_clock.h"

namespace halvane {

double passSeconds(const ChartRequest& request)
{
    if (request.film.passSeconds) return *request.film.passSeconds;
    if (request.scene == SaturnScene) return 1.0 / request.film.fps.value_or(DefaultFramesPerSecond);
    return DefaultPassSeconds;
}

std::string filmFrames(Halvane& h, const ChartRequest& request, const std::string& dataFolder, Messages& messages,
                       FrameSink& sink, ProgressLine* progress)
{
    FilmTimeline timeline(sink, request.film.fps.value_or(DefaultFramesPerSecond), request.film.seconds);
    FilmClock clock(timeline);
    SystemRandom random;
    prepareChart(h, request, dataFolder, {clock, random, messages});
    if (std::string endless = endlessRequest(h); !endless.empty() && !request.film.seconds)
        return endless + "; a film of it needs its length in --seconds";
    loadCatalogue(h, messages);

    auto surface = chartSurface(request);
    FilmEvents events(h, *surface, timeline, passSeconds(request), progress);
    try {
        clickChartCentre(h, {*surface, clock, random, events});
    } catch (const FilmComplete&) {
        // The film has its length; the request would have gone on.
    }
    return {};
}

}  // namespace halvane
