#include "film/film_events.h"

#include <algorithm>

namespace halvane {

FilmEvents::FilmEvents(const Halvane& h, const Surface& surface, FilmTimeline& timeline, double passSeconds,
                       ProgressLine* progress)
    : h_(h), surface_(surface), timeline_(timeline), passSeconds_(passSeconds), progress_(progress)
{}

void FilmEvents::letEventsRun() { timeline_.showScreen(surface_.screen()); }

void FilmEvents::waitForEvents(double seconds) { timeline_.advance(seconds); }

void FilmEvents::showDrawing() { timeline_.holdPicture(surface_.screen()); }

void FilmEvents::passDrawn()
{
    ++passes_;
    timeline_.showScreen(surface_.screen());
    timeline_.advance(passSeconds_);
    if (!progress_) return;
    const long all = requestPasses(h_);
    const double byPasses = all > 0 ? static_cast<double>(passes_) / static_cast<double>(all) : -1;
    progress_->update({passes_, all, timeline_.frames(), std::max(byPasses, timeline_.shareOfLength())});
}

}  // namespace halvane
