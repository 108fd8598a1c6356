// Filling the panel from the form state in the current language.
#pragma once

#include "panel/halvane.h"

namespace halvane {

// Every selection box's list in language `je`, each followed by its shown
// text; copies the follow-target names from the body names on the way.
void fillSelectionBoxes(Halvane& h);

// Every number box from the form state.
void fillTextBoxes(Halvane& h);

}  // namespace halvane
