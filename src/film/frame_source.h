// A request of halvane-chart run as a film: the click without a window,
// with film time for its clock, every pass turned into frames.
#pragma once

#include <string>

#include "chart_command/chart_options.h"
#include "chart_command/progress_line.h"
#include "film/film_timeline.h"
#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

// How long each pass of the request stays: the given pass time, or one
// frame for the Saturn scene (a smooth fly-by), else the default.
double passSeconds(const ChartRequest& request);

// Runs `request` on the new form `h` with the data files of `dataFolder`
// and writes its frames into `sink`, until the request ends or the film
// reaches --seconds. Returns why it cannot be filmed (a request without an
// end of its own and no --seconds), or empty. A missing star catalogue ends
// with ProgramEnd after its message; Ctrl-C with FilmInterrupted.
std::string filmFrames(Halvane& h, const ChartRequest& request, const std::string& dataFolder, Messages& messages,
                       FrameSink& sink, ProgressLine* progress);

}  // namespace halvane
