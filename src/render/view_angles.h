// The angles around the aim point that a pass stores in the star tables
// before its chart is drawn: the stars', the bodies' and reference points',
// and both ends of every constellation segment. The drawing reads them
// there, and the idle animation after it still finds the stars of the chart
// on the screen.
#pragma once

#include "panel/halvane.h"
#include "sky/sky_screen.h"
#include "sky/star_plotting.h"

namespace halvane {

// For body rows 0 to 40 and 91 to 98: copies the body's ecliptic direction
// into the row's ecliptic columns and writes its view-centred angles in the
// frame of the display mode. Other rows are left alone.
void displayFrameTransform(Halvane& h, int row);

// The display-frame transform of every body row but the viewpoint's.
void transformBodies(Halvane& h);

// chooseStarLimit (with "Normal" shown in the precision box at normal
// precision), then the view-centred angles of rows 101 to starLimit from
// their equatorial angles (Sky-equatorial, Zodiac) or their ecliptic angles
// (other modes), around the aim point b1, b2. Rows too far from the aim
// point to reach the chart get not-a-number angles, which count as off the
// chart.
void projectStars(Halvane& h, const SkyScreen& screen, StarPlotting& plotting);

// The view-centred angles of both ends of line rows 1 to 730 (columns
// 4 + end and 6 + end) from their equatorial angles (Sky-equatorial, Zodiac)
// or ecliptic angles (other modes).
void centreLineEnds(Halvane& h);

}  // namespace halvane
