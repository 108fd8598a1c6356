#include "chart_command/chart_drawing.h"

#include <cmath>

#include "chart_command/progress_line.h"
#include "panel/change_handlers.h"
#include "panel/panel_fill.h"
#include "render/horizon_request.h"
#include "render/render_request.h"
#include "render/scenes.h"
#include "startup/startup.h"
#include "startup/system_clock.h"

namespace halvane {

namespace {

// Today's date from the computer; every wait is over as soon as it starts,
// for a picture has no one to watch it being drawn.
class FinishedWaitsClock : public Clock {
public:
    LocalDateTime now() const override { return system_.now(); }
    double secondsSinceMidnight() const override
    {
        seconds_ = std::fmod(seconds_ + 3600, 86400);
        return seconds_;
    }

private:
    SystemClock system_;
    mutable double seconds_ = 0;
};

// No window events: each chance to run them ends the idle animation at
// once, as a click would.
class NoWindowEvents : public EventPump {
public:
    NoWindowEvents(Halvane& h, ProgressLine* progress) : h_(h), progress_(progress) {}
    void letEventsRun() override { h_.flags.t99 = true; }
    void waitForEvents(double) override { letEventsRun(); }
    void showDrawing() override {}
    void passDrawn() override
    {
        ++passes_;
        if (!progress_) return;
        const long all = requestPasses(h_);
        progress_->update({passes_, all, -1, all > 0 ? static_cast<double>(passes_) / all : -1});
    }

private:
    Halvane& h_;
    ProgressLine* progress_;
    long passes_ = 0;
};

void setNumberText(Halvane& h, TextBox box, const std::optional<double>& value)
{
    if (value) setText(h, box, numberText(*value));
}

}  // namespace

void applyChartRequest(Halvane& h, const ChartRequest& r)
{
    auto& v = h.vars;
    v.je = r.je;
    setSelections(v, {r.selec, r.norm, r.orbit, r.sname, r.preci, r.gra, r.color, r.cross, r.con, r.view, r.see});
    v.scene = r.scene;
    fillSelectionBoxes(h);
    if (r.date) {
        setText(h, Text4, std::to_string(r.date->year));
        setText(h, Text5, std::to_string(r.date->month));
        setText(h, Text6, std::to_string(r.date->day));
    }
    if (r.time) {
        setText(h, Text7, std::to_string(r.time->hours));
        setText(h, Text8, std::to_string(r.time->minutes));
    }
    if (r.lag) {
        setText(h, Text9, std::to_string(r.lag->hours));
        setText(h, Text10, std::to_string(r.lag->minutes));
    }
    setNumberText(h, Text1, r.aimFirst);
    setNumberText(h, Text2, r.aimSecond);
    setNumberText(h, Text3, r.magnification);
    setNumberText(h, Text15, r.interval);
    setNumberText(h, Text16, r.times);
}

std::string endlessRequest(const Halvane& h)
{
    const int scene = h.vars.scene;
    const int norm = scriptSceneRepeat(h, scene);
    if (scene != MedleyScene && norm != repeat::AtRandom && norm != repeat::Default) return {};
    return "scene " + std::to_string(scene) + " (" + h.texts.sceneNames[English][static_cast<size_t>(scene)]
        + ") repeats until a click stops it, so it makes no single picture";
}

void prepareChart(Halvane& h, const ChartRequest& request, const std::string& dataFolder, StartupPorts ports)
{
    chartLoad(h, ports, dataFolder);
    h.positionModel = request.model;
    h.lightTime = request.lightTime;
    if (request.place) h.place = request.place->place;
    applyChartRequest(h, request);
}

std::unique_ptr<Surface> chartSurface(const ChartRequest& request)
{
    const double twipsPerPixel = 1440 / request.dpi;
    auto surface = std::make_unique<Surface>(QSize(request.width, request.height), twipsPerPixel, twipsPerPixel);
    surface->setFontFamily(chartFontFamily);
    return surface;
}

void clickChartCentre(Halvane& h, RenderPorts ports)
{
    Form_MouseUp(h, ports, ports.surface.scaleWidth() / 2, ports.surface.scaleHeight() / 2);
}

ChartDrawing drawChart(Halvane& h, const ChartRequest& request, const std::string& dataFolder, Messages& messages,
                       bool vectors, ProgressLine* progress)
{
    FinishedWaitsClock clock;
    SystemRandom random;
    NoWindowEvents events(h, progress);
    prepareChart(h, request, dataFolder, {clock, random, messages});
    if (std::string refusal = endlessRequest(h); !refusal.empty()) return {nullptr, refusal};
    loadCatalogue(h, messages);

    auto surface = chartSurface(request);
    if (vectors) surface->startRecording();
    if (request.horizon && request.place) {
        renderHorizonChart(h, *request.place, *surface);
        return {std::move(surface), {}};
    }
    clickChartCentre(h, {*surface, clock, random, events});
    return {std::move(surface), {}};
}

}  // namespace halvane
