// Settings that a click applies all at once: a scene of the demonstration
// script and the reset to the defaults.
#pragma once

#include "panel/halvane.h"
#include "panel/request_state.h"

namespace halvane {

// The selections a scene sets all at once, in the order of the script.
struct SceneSelections {
    int selec, norm, orbit, sname, preci, gra, color, cross, con, view, see;
};
void setSelections(PanelVariables& v, const SceneSelections& s);

// Copies the 21 settings of script scene `scene` (1 to 40) into the form.
void loadScriptScene(Halvane& h, int scene, RequestState& request);

// The repeat box row script scene `scene` asks for; -1 for a number that is
// no script scene.
int scriptSceneRepeat(const Halvane& h, int scene);

// Saturn passes the fixed point: the settings of that scene (the fixed
// point itself is placed by the render request).
void applySaturnSettings(Halvane& h, RequestState& request);

// The panel of the Default mode: a medley of the ecliptic sky at random
// aim points, seen from the Earth with names, lines and music.
void applyDefaultReset(Halvane& h);

// A selection row read from a number: NaN and far-off values become rows
// that match nothing instead of undefined conversions.
int selectionRow(double value);

}  // namespace halvane
