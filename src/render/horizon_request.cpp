#include "render/horizon_request.h"

#include <cmath>

#include "render/panel_sync.h"
#include "render/positions.h"
#include "render/time_model.h"
#include "util/numbers.h"

namespace halvane {

namespace {

// The star tint of the horizon chart when the colour setting is 0: the
// chart shows the stars in their colours.
constexpr int DefaultStarTint = 3;

std::string degreesText(double degrees) { return numberText(roundHalfEven(std::abs(degrees), 2)) + "°"; }

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

int whole(const Loose& value) { return static_cast<int>(Int(value.value())); }

}  // namespace

std::string placeLine(const PlaceArgument& place, int je)
{
    const EarthPlace& p = place.place;
    const bool north = p.latitudeDeg >= 0, east = p.longitudeDeg >= 0;
    if (je == Japanese) {
        const std::string name = place.japaneseName.empty() ? "" : std::string(place.japaneseName) + "　";
        return name + (north ? "北緯 " : "南緯 ") + degreesText(p.latitudeDeg) + "　" + (east ? "東経 " : "西経 ")
            + degreesText(p.longitudeDeg);
    }
    const std::string name = place.englishName.empty() ? "" : std::string(place.englishName) + "  ";
    return name + degreesText(p.latitudeDeg) + (north ? " N  " : " S  ") + degreesText(p.longitudeDeg)
        + (east ? " E" : " W");
}

std::string momentLine(const PanelVariables& v)
{
    const int hours = whole(v.Dho), minutes = whole(v.Dmi);
    const bool behind = hours < 0 || minutes < 0;
    const std::string lag = std::string("(UT") + (behind ? "-" : "+") + std::to_string(std::abs(hours)) + ":"
        + twoDigits(std::abs(minutes)) + ")";
    const std::string time = std::to_string(whole(v.Ho)) + ":" + twoDigits(whole(v.Minu));
    if (v.je == Japanese)
        return std::to_string(whole(v.Ye)) + "年" + std::to_string(whole(v.Mo)) + "月" + std::to_string(whole(v.Da))
            + "日 " + time + " " + lag;
    return std::to_string(whole(v.Ye)) + "-" + twoDigits(whole(v.Mo)) + "-" + twoDigits(whole(v.Da)) + " " + time + " "
        + lag;
}

void renderHorizonChart(Halvane& h, const PlaceArgument& place, Surface& surface)
{
    readLanguage(h);
    panelRead(h);
    h.vars.view = body::Earth;
    computeTime(h, 0);
    computePositions(h);
    const HorizonScene scene{ObserverSky(place.place, h.time.Ti), placeLine(place, h.vars.je), momentLine(h.vars),
                             h.vars.color == 0 ? DefaultStarTint : h.vars.color};
    drawHorizonChart(h, scene, surface);
}

}  // namespace halvane
