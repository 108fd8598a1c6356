// The help screen of the "Exp." button.
#pragma once

#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

// The panel's width, twips (its widest row), and where the help text starts
// right of it: the text's leading blanks, meant to clear the panel, are
// narrower than the panel in a proportional face at some sizes.
inline constexpr double PanelWidthTwips = 1335;
inline constexpr double HelpTextLeft = PanelWidthTwips + 105;

// Prints `line` as print does; a line that begins with blanks starts at
// HelpTextLeft instead, its blanks left out, whatever the font and DPI.
void printBesidePanel(Surface& surface, std::string_view line);

// Clears the surface and prints the request line and help lines 2 to 19 in
// language `je`, with the hint at the English version while it is
// Japanese.
void helpScreen(const Halvane& h, Surface& surface);

// Help lines 2 to 19 in language `je`, each followed by an empty line, at
// the current text position and font size.
void printHelpLines(const Halvane& h, Surface& surface);

}  // namespace halvane
