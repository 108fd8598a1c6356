// One click of the panel drawn without a window: the start-up steps without
// settings file and music, the catalogue, the request's settings in the
// panel, and every pass of the click on an offscreen surface.
#pragma once

#include <memory>
#include <string>

#include "chart_command/chart_options.h"
#include "panel/halvane.h"
#include "render/render_request.h"
#include "startup/startup.h"
#include "surface/surface.h"
#include "util/messages.h"

namespace halvane {

// Puts the request's settings into the form state through the panel, as a
// user would set them before the click.
void applyChartRequest(Halvane& h, const ChartRequest& request);

// Why the panel's click would not end by itself (a scene that repeats at
// random or in a medley), or empty when it ends.
std::string endlessRequest(const Halvane& h);

// The start-up steps without settings file and music, the position model
// and the request's settings in the panel; the catalogue is not read yet.
void prepareChart(Halvane& h, const ChartRequest& request, const std::string& dataFolder, StartupPorts ports);

// The offscreen surface of the request's size and resolution.
std::unique_ptr<Surface> chartSurface(const ChartRequest& request);

// The click at the surface's centre, which runs every pass of the request.
void clickChartCentre(Halvane& h, RenderPorts ports);

class ProgressLine;

struct ChartDrawing {
    std::unique_ptr<Surface> surface;  // nothing when refused
    std::string refusal;
};

// Draws the request on the new form `h` with the data files of `dataFolder`;
// the surface also records vectors when `vectors` is set, and `progress`
// hears of every pass. A missing star catalogue ends with ProgramEnd after
// its message.
ChartDrawing drawChart(Halvane& h, const ChartRequest& request, const std::string& dataFolder, Messages& messages,
                       bool vectors, ProgressLine* progress = nullptr);

}  // namespace halvane
