// `halvane-chart --out FILE.mp4|.mkv|.webm|.webp`: the request written as a
// film, its sound track made from the music folder with --music.
#pragma once

#include <string>

#include "chart_command/chart_options.h"
#include "util/messages.h"

namespace halvane {

// Writes the film and returns the exit status: 0 done, 1 the file could not
// be written (any old file of that name stays), 2 a request that makes no
// film, 130 interrupted. Messages go to standard error; the progress line
// too when `progressShown`. A missing star catalogue ends with ProgramEnd.
int writeFilm(const ChartRequest& request, const std::string& dataFolder, Messages& messages, bool progressShown);

}  // namespace halvane
