// The demonstration script "demo.csv": a row of titles, then 40 scenes, each
// a Japanese and an English name and 21 panel settings.
#pragma once

#include <string>

#include "data/sky_tables.h"
#include "data/texts.h"
#include "util/messages.h"

namespace halvane {

// Fills scene names 0 to 40 (entry 0 the script's title) and parameters 1
// to 21 of scenes 1 to 40; the column titles of scene 0 are not numbers
// and stay empty. An empty setting stays empty. `script.rowsRead` counts
// the rows read. A missing file is reported
// and no scene has a name; a damaged one is reported and the scenes before
// the damage are kept.
void readDemoScript(DemoScript& script, Bilingual<SceneSlots>& sceneNames, const std::string& folder,
                    Messages& messages);

}  // namespace halvane
