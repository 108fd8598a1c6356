// The request of a horizon chart: the panel's moment seen from a place on
// the Earth, drawn once.
#pragma once

#include <string>

#include "panel/halvane.h"
#include "sky/horizon_chart.h"
#include "surface/surface.h"
#include "util/command_line.h"

namespace halvane {

// The corner's first line: the place's name (when it has one) and its
// latitude and longitude to 0.01 degree, in the form's language: "Tokyo
// 35.69° N 139.69° E", "東京　北緯 35.69°　東経 139.69°".
std::string placeLine(const PlaceArgument& place, int je);

// The corner's second line: the local date and time and the lag from UT,
// "2026-01-15 21:00 (UT+9:00)", "2026年1月15日 21:00 (UT+9:00)".
std::string momentLine(const PanelVariables& v);

// Reads the panel, works out the moment of its date, time and lag, places
// every body with the Earth as viewpoint (which the form keeps), and draws
// the sky above `place` at that moment over the whole surface.
void renderHorizonChart(Halvane& h, const PlaceArgument& place, Surface& surface);

}  // namespace halvane
