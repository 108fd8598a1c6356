// The help screen of the "Exp." button.
#pragma once

#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// Clears the surface and prints the request line and help lines 2 to 19 in
// language `je`, with the hint at the English version while it is
// Japanese.
void helpScreen(const Halvane& h, Surface& surface);

// Help lines 2 to 19 in language `je`, each followed by an empty line, at
// the current text position and font size.
void printHelpLines(const Halvane& h, Surface& surface);

}  // namespace halvane
