// The comets' tail ends of a pass, kept in the form before the chart is
// drawn: in single precision in h.tailEnds and, on the sky views, as the
// direction and view-centred angles of pseudo-bodies 31 to 40.
#pragma once

#include "panel/halvane.h"

namespace halvane {

// Every comet but the viewpoint and the empty slots: its tail end by the
// sky views' length rule, and the tail end's direction from the viewpoint
// and angles around the aim point as body i + 20. A comet without a tail
// keeps its own position as tail end and leaves body i + 20 as it was.
void keepSkyTailEnds(Halvane& h);

// Every comet: its tail end by the orbit views' length rule.
void keepOrbitTailEnds(Halvane& h);

}  // namespace halvane
