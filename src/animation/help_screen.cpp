#include "animation/help_screen.h"

namespace halvane {

void printBesidePanel(Surface& surface, std::string_view line)
{
    const size_t text = line.find_first_not_of(' ');
    if (text != 0 && text != std::string_view::npos) {
        line.remove_prefix(text);
        surface.setCurrentX(HelpTextLeft);
    }
    surface.print(line);
}

void helpScreen(const Halvane& h, Surface& surface)
{
    surface.setCurrentX(0);
    surface.setCurrentY(0);
    surface.setBackColour({0, 0, 0});
    surface.clear();
    surface.setForeColour({156, 156, 156});
    if (h.vars.je == Japanese) {
        surface.setFontSize(9);
        printBesidePanel(surface, h.texts.englishHint);
    }
    const auto& lines = h.texts.helpLines[language(h.vars.je)];
    surface.setFontSize(20);
    printBesidePanel(surface, lines[help::RequestToEnjoy]);
    surface.setFontSize(9);
    surface.print("");
    printHelpLines(h, surface);
}

void printHelpLines(const Halvane& h, Surface& surface)
{
    const auto& lines = h.texts.helpLines[language(h.vars.je)];
    for (int line = help::FirstHelp; line <= help::LastHelp; ++line) {
        printBesidePanel(surface, lines[static_cast<size_t>(line)]);
        surface.print("");
    }
}

}  // namespace halvane
