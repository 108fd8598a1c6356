#include "charts/help_screen.h"

namespace halvane {

void helpScreen(const Halvane& h, Surface& surface)
{
    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.setBackColour({0, 0, 0});
    surface.clear();
    surface.setForeColour({156, 156, 156});
    if (h.vars.je == Japanese) {
        surface.setFontSize(9);
        surface.print(h.texts.englishHint);
    }
    const auto& lines = h.texts.helpLines[language(h.vars.je)];
    surface.setFontSize(20);
    surface.print(lines[help::RequestToEnjoy]);
    surface.setFontSize(9);
    surface.print("");
    printHelpLines(h, surface);
}

void printHelpLines(const Halvane& h, Surface& surface)
{
    const auto& lines = h.texts.helpLines[language(h.vars.je)];
    for (int line = help::FirstHelp; line <= help::LastHelp; ++line) {
        surface.print(lines[static_cast<size_t>(line)]);
        surface.print("");
    }
}

}  // namespace halvane
