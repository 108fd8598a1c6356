// The medley: every scene of the script in turn, each held for the scene
// period of the request.
#pragma once

#include "panel/halvane.h"
#include "panel/request_state.h"
#include "util/clock.h"

namespace halvane {

// Once per pass: starts the medley when `scene` asks for it, and moves on
// to the next scene when the current one has stood for the scene period,
// leaving in `scene` the scene this pass loads (0 for none). After scene 41
// it starts over at scene 1.
void advanceMedley(Halvane& h, RequestState& request, const Clock& clock);

}  // namespace halvane
