// Writes a drawn chart: PNG from the surface's screen, SVG or PDF from its
// recorded vectors, as the file name's ending says.
#pragma once

#include <string>

#include "surface/surface.h"

namespace halvane {

enum class ChartFormat { Png, Svg, Pdf };

ChartFormat chartFormat(const std::string& path);

// Writes the chart atomically at `dpi` dots per inch; an SVG or PDF needs a
// surface that recorded. Returns an error text, empty on success.
std::string writeChart(const Surface& surface, const std::string& path, double dpi);

}  // namespace halvane
