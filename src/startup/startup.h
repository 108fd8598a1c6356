// What happens once when the main form is created: the tables are filled,
// the data files beside the program are read, the panel is filled in the
// current language and the present moment is taken from the clock. The
// window and halvane-chart start alike; the chart has no window.
#pragma once

#include <string>

#include "panel/halvane.h"
#include "util/clock.h"
#include "util/messages.h"
#include "util/random.h"

namespace halvane {

class MusicPlayer;

struct StartupPorts {
    Clock& clock;
    Random& random;
    Messages& messages;
    MusicPlayer* music = nullptr;  // started at its step; without one no music is played
};

// Runs the start-up sequence with the data files in `programFolder` and the
// settings file in `settingsFolder` (the program folder when empty).
void formLoad(Halvane& h, StartupPorts ports, const std::string& programFolder, const std::string& settingsFolder = {});

// The same sequence without the settings file and the music: the defaults,
// the data files and the filled panel a chart without a window starts from.
void chartLoad(Halvane& h, StartupPorts ports, const std::string& programFolder);

// The panel's start values of every variable the defaults cover.
void setDefaults(PanelVariables& vars);

// Takes the present date and time from the clock and computes the day
// count, the present moment and the month start table.
void takePresentMoment(Halvane& h, const Clock& clock);

// Reads the star catalogue and gives every star, named star and line end
// point its ecliptic angles. Ends the program (ProgramEnd) when the
// catalogue is missing or broken.
void loadCatalogue(Halvane& h, Messages& messages);

}  // namespace halvane
