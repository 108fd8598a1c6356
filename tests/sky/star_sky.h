// A blank sky for star tests: an empty star table, a surface (200 x 100
// pixels of 15 twips unless told) and the screen of a pass.
#pragma once

#include <memory>

#include "panel/halvane.h"
#include "sky/star_plotting.h"
#include "surface/lit_pixels.h"
#include "surface/surface.h"

namespace halvane::testing {

struct StarSky {
    std::unique_ptr<Halvane> form = std::make_unique<Halvane>();
    Halvane& h = *form;
    Surface surface;
    SkyScreen screen;
    StarPlotting plotting;

    explicit StarSky(double b3 = 20, double twipsPerPixel = 15, QSize pixels = QSize(200, 100))
        : surface(pixels, twipsPerPixel, twipsPerPixel), screen{surface.scaleWidth(), surface.scaleHeight(), b3}
    {}

    // A star with view-centred angles (u, v) and the catalogue brightness
    // that gives `level` at this magnification and brightness setting 0.
    void place(int row, double u, double v, double level, const char* spectralClass = "A")
    {
        StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
        cells[star::ViewU] = u;
        cells[star::ViewV] = v;
        cells[star::Brightness] = level / (0.5 * screen.b3);
        h.stars.spectralClass[static_cast<size_t>(row)] = spectralClass;
    }

    // Angle of `twips` on the screen at this magnification.
    double angle(double twips) const { return twips / screen.twipsPerRadian(); }

    void plotField() { plotStarField(h, surface, screen, plotting); }

    // Paints row 200 at the centre as a star of `level`.
    void plotOne(double level)
    {
        place(200, 0, 0, level);
        plotting.starRow = 200;
        prepareStar(plotting, level);
        plotStar(h, surface, screen, plotting);
    }

    bool lit(double x, double y) const { return surface.point(x, y) != Rgb{}; }

    // Whether anything is drawn within a pixel of (dx, dy) twips from the centre.
    bool litNear(double dx, double dy) const
    {
        const double x = screen.ae / 2 + dx, y = screen.bb / 2 + dy;
        const double tx = surface.twipsPerPixelX(), ty = surface.twipsPerPixelY();
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j)
                if (lit(x + i * tx, y + j * ty)) return true;
        return false;
    }

    // Lit pixels in a box of width x height twips whose top-left corner lies (dx, dy)
    // twips from the centre.
    int litIn(double dx, double dy, double width, double height) const
    {
        int n = 0;
        for (double y = dy; y < dy + height; y += surface.twipsPerPixelY())
            for (double x = dx; x < dx + width; x += surface.twipsPerPixelX())
                n += lit(screen.ae / 2 + x, screen.bb / 2 + y);
        return n;
    }

    int litPixels() const { return litPixelCount(surface.screen()); }
};

}  // namespace halvane::testing
