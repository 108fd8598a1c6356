// What happens when the main form closes: the settings are kept, then the
// music stops. Closing cannot be cancelled.
#pragma once

#include <string>

#include "music/music_player.h"
#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

// Stores the medley as the scene when one is running, writes the settings
// file into `settingsFolder` (a failure is shown, naming the file), then
// stops the music and removes its play file.
void formClosing(Halvane& h, const std::string& settingsFolder, MusicPlayer& music, Messages& messages);

}  // namespace halvane
