// Whether a surface shows one line of text where a print would put it:
// the line is printed alone on a blank surface of the same size and its
// ink is looked for.
#pragma once

#include <string>

#include "surface/surface.h"

namespace halvane::testing {

// Twips one print of `points` moves the text position down.
inline double lineHeight(double points, const QString& family = {})
{
    Surface probe(QSize(10, 10));
    if (!family.isEmpty()) probe.setFontFamily(family);
    probe.setFontSize(points);
    probe.print("");
    return probe.currentY();
}

// Every pixel the line inks shows in the same colour (neighbouring lines
// may reach into its band).
inline bool printedAt(const Surface& surface, double y, double points, Rgb colour, const std::string& text,
                      const QString& family = {}, double left = 0)
{
    const QImage& shown = surface.screen();
    Surface alone(shown.size(), surface.twipsPerPixelX(), surface.twipsPerPixelY(), surface.pixelRatio());
    if (!family.isEmpty()) alone.setFontFamily(family);
    alone.setCurrentX(left);
    alone.setCurrentY(y);
    alone.setFontSize(points);
    alone.setForeColour(colour);
    alone.print(text);
    int inked = 0;
    for (int row = 0; row < shown.height(); ++row)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb expected = alone.screen().pixel(x, row);
            if ((expected & 0xffffff) == 0) continue;
            if (shown.pixel(x, row) != expected) return false;
            ++inked;
        }
    return inked > 0;
}

}  // namespace halvane::testing
