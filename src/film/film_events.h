// The event pump of a film: nothing to run, but every pause of the request
// becomes film time, and every finished pass stays on screen for its time.
#pragma once

#include "chart_command/progress_line.h"
#include "film/film_timeline.h"
#include "panel/halvane.h"
#include "surface/surface.h"
#include "util/event_pump.h"

namespace halvane {

class FilmEvents : public EventPump {
public:
    FilmEvents(const Halvane& h, const Surface& surface, FilmTimeline& timeline, double passSeconds,
               ProgressLine* progress);

    void letEventsRun() override;
    void waitForEvents(double seconds) override;
    void showDrawing() override;
    void passDrawn() override;

private:
    const Halvane& h_;
    const Surface& surface_;
    FilmTimeline& timeline_;
    double passSeconds_;
    ProgressLine* progress_;
    long passes_ = 0;
};

}  // namespace halvane
