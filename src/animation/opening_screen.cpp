#include "animation/opening_screen.h"

#include <cmath>

#include "animation/background_stars.h"
#include "animation/help_screen.h"
#include "animation/sky_animation.h"
#include "drawing/chart_colours.h"

namespace halvane {

namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb pink{255, 156, 156};
constexpr double TitleRefreshSeconds = 0.5;

const char* const redTitle = " \u3000 Halvane";
const char* const yellowTitle = "\u3000  Halvane";

void printAt(Surface& surface, double x, double y, double points, Rgb colour, const std::string& text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.setForeColour(colour);
    surface.setFontSize(points);
    surface.print(text);
}

}  // namespace

void drawTitle(const Halvane& h, Surface& surface)
{
    const auto& lines = h.texts.helpLines[language(h.vars.je)];
    printAt(surface, 120, 60, 60, red, redTitle);
    printAt(surface, 60, 20, 60, Yellow, yellowTitle);
    surface.setCurrentY(1200);
    surface.setForeColour(Yellow);
    surface.setFontSize(12);
    printBesidePanel(surface, lines[help::Banner]);
    surface.setForeColour(pink);
    if (h.vars.je == Japanese) {
        surface.setFontSize(10);
        printBesidePanel(surface, h.texts.englishHint);
    }
    surface.setFontSize(20);
    printBesidePanel(surface, lines[h.vars.scene == MedleyScene ? help::RequestToWait : help::Request]);
    surface.setFontSize(9);
    printHelpLines(h, surface);
}

void openingScreen(const Halvane& h, DrawPorts ports, const std::function<void()>& loadCatalogue)
{
    Surface& surface = ports.surface;
    const double ae = surface.scaleWidth(), bb = surface.scaleHeight();
    surface.setPersistence(false);
    surface.setBackColour(Black);
    drawTitle(h, surface);
    // Each refresh lays the title as first drawn on black: drawn again over
    // itself, its smoothed edges would thicken into bold.
    const QImage title = surface.inkLayer();
    const double afterTitleX = surface.currentX(), afterTitleY = surface.currentY();
    const auto layTitle = [&] {
        surface.overlay(title);
        surface.setCurrentX(afterTitleX);
        surface.setCurrentY(afterTitleY);
    };
    ports.events.showDrawing();
    loadCatalogue();

    ports.random.reseed();
    const BackgroundStars stars(ae, bb, ports.random);
    stars.paintAll(surface);

    std::optional<DriftingLight> light(std::in_place, openingLight, ae, bb, ports.random);
    const double t9 = ports.clock.secondsSinceMidnight();
    double lastTitle = t9;
    const AnimationSteps steps{
        .twinkle =
            [&] {
                stars.paint(surface, static_cast<int>(Int(ports.random.next() * BackgroundStars::Count)), false);
                for (int k = 0; k < 6; ++k)
                    stars.paint(surface, static_cast<int>(std::nearbyint(ports.random.next() * BackgroundStars::Count)),
                                true);
            },
        .stopped = [&] { return h.flags.t99 || h.flags.pz; },
        .afterEvents =
            [&] {
                if (secondsSince(lastTitle, ports.clock) > TitleRefreshSeconds) {
                    lastTitle = ports.clock.secondsSinceMidnight();
                    layTitle();
                }
            },
        .finish =
            [&] {
                stars.paintAll(surface);
                layTitle();
            },
    };
    runSkyAnimation(light, steps, ports, t9);
}

}  // namespace halvane
