// Saturn and the Moon on real dates as the sky bodies draw them, the body
// followed to the aim point and seen from the Earth: the rings show the
// face that was open, the Moon's disc follows its distance and its lit
// share the real phase.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "data/body_tables.h"
#include "drawing/chart_colours.h"
#include "render/sky_at.h"
#include "render/view_angles.h"
#include "sky/body_disc.h"
#include "sky/body_distances.h"
#include "sky/sky_bodies.h"
#include "sky/sky_transforms.h"

namespace halvane {
namespace {

using testing::UtMoment;

// Only the Sun, the Earth and `shown` are left in the sky.
struct FollowedBody {
    std::unique_ptr<Halvane> form;
    Halvane& h;
    int shown;
    Surface surface;
    SkyScreen screen;
    StarPlotting plotting;
    PassNumberMarks marks;

    FollowedBody(UtMoment moment, int body, double b3, QSize pixels)
        : form(testing::skyAt(moment, body::Earth)), h(*form), shown(body),
          surface(pixels), screen{surface.scaleWidth(), surface.scaleHeight(), b3}
    {
        fillBodyColours(h.bodies);
        fillDisplayScales(h.bodies);
        for (int i = 1; i <= body::LastAsteroid; ++i)
            if (i != body && i != body::Earth) h.bodies.x[i] = h.bodies.y[i] = 0;
        h.vars.selec = display::SkyEquatorial;
        const auto k = static_cast<size_t>(body);
        const DisplayAngles aim = eclipticToDisplayFrame(h.sky.eclipticLongitude[k], h.sky.eclipticLatitude[k],
                                                         displayObliquityRad(h.vars.selec));
        h.vars.b1 = aim.A, h.vars.b2 = aim.D;
        transformBodies(h);
        drawSkyBodies(h, surface, screen, plotting, 1, marks);
    }

    double d() const { return distanceFromViewpoint(h, shown); }
    double discPixels() const
    {
        const double radius = discRadius(h, shown, screen.b3, d());
        return discReach(surface, radius, penWidthForSize(radius)) / surface.twipsPerPixelX();
    }

    // Pixels of any of `colours` in the column x and the rows from y0 to y1
    // (pixels from the centre, y downwards), with the sum of their rows.
    struct Count {
        int pixels = 0;
        double rows = 0;
    };
    Count count(std::initializer_list<Rgb> colours, int x, int y0, int y1) const
    {
        const QImage& image = surface.screen();
        Count c;
        for (int y = y0; y <= y1; ++y) {
            const QRgb p = image.pixel(image.width() / 2 + x, image.height() / 2 + y) & 0xffffff;
            for (Rgb colour : colours)
                if (p == (qRgb(colour.r, colour.g, colour.b) & 0xffffff)) ++c.pixels, c.rows += y;
        }
        return c;
    }
    // Pixels of the disc in its lit colour and in the dark one.
    struct Disc {
        int lit = 0, dark = 0;
        int all() const { return lit + dark; }
        double litShare() const { return static_cast<double>(lit) / all(); }
    };
    Disc disc() const
    {
        const QImage& image = surface.screen();
        const Rgb colour = h.bodies.colour[static_cast<size_t>(shown)];
        const QRgb lit = qRgb(colour.r, colour.g, colour.b) & 0xffffff;
        const QRgb dark = qRgb(DarkSide.r, DarkSide.g, DarkSide.b) & 0xffffff;
        Disc d;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xffffff;
                d.lit += p == lit;
                d.dark += p == dark;
            }
        return d;
    }
};

// On 2020-12-21 the rings' north face was open to the Earth by 21 degrees:
// the near half of the rings crosses the southern half of the disc, and
// the long axis, square to the pole at position angle +7 degrees, rises to
// the right. On 2003-12-31 the south face was open by 26 degrees: the near
// half crosses the northern half, and with the pole at -6 degrees the axis
// falls to the right.
TEST(SkyPictures, SaturnsRingsShowTheFaceThatWasOpen)
{
    const std::initializer_list<Rgb> rings{{136, 130, 130}, {190, 170, 170}, {190, 180, 140}, {180, 170, 160}};
    struct Case {
        UtMoment moment;
        bool northFace;
    } cases[] = {{{2020, 12, 21, 18, 0}, true}, {{2003, 12, 31, 0, 0}, false}};
    for (const Case& c : cases)
        for (double b3 : {3000.0, 100000.0}) {
            FollowedBody saturn(c.moment, body::Saturn, b3, QSize(1200, 800));
            const int r = static_cast<int>(saturn.discPixels());
            ASSERT_LT(r, 300) << b3;
            const auto north = saturn.count(rings, 0, -r + 2, -r / 5), south = saturn.count(rings, 0, r / 5, r - 2);
            EXPECT_EQ(north.pixels > 0, !c.northFace) << b3;
            EXPECT_EQ(south.pixels > 0, c.northFace) << b3;
            // Beside the disc, where the rings stand out on either side.
            const int beside = r + r / 8;
            const auto left = saturn.count(rings, -beside, -r, r), right = saturn.count(rings, beside, -r, r);
            ASSERT_GT(left.pixels, 0);
            ASSERT_GT(right.pixels, 0);
            const double rise = left.rows / left.pixels - right.rows / right.pixels;  // rows up to the right
            EXPECT_GT(c.northFace ? rise : -rise, 0.04 * beside) << b3;
        }
}

// Full Moon at apogee (2024-02-24) and at perigee (2024-10-17): the disc
// at perigee is larger by the square of the ratio of the distances.
TEST(SkyPictures, TheMoonsDiscFollowsItsDistance)
{
    for (double b3 : {60.0, 3000.0}) {
        const QSize pixels = b3 < 100 ? QSize(200, 200) : QSize(500, 500);
        const FollowedBody apogee({2024, 2, 24, 12, 30}, body::Moon, b3, pixels);
        const FollowedBody perigee({2024, 10, 17, 11, 26}, body::Moon, b3, pixels);
        const double distances = apogee.d() / perigee.d();
        ASSERT_GT(distances, 1.1);
        EXPECT_NEAR(static_cast<double>(perigee.disc().all()) / apogee.disc().all(), distances * distances,
                    0.1 * distances * distances)
            << b3;
    }
}

// Near first quarter: 2020-12-21 18:00 UT (illuminated fraction 0.478) and
// the quarter itself, 2024-04-15 19:13 UT.
TEST(SkyPictures, TheMoonNearFirstQuarterShowsItsRealPhase)
{
    struct Case {
        UtMoment moment;
        double fraction;
    } cases[] = {{{2020, 12, 21, 18, 0}, 0.478}, {{2024, 4, 15, 19, 13}, 0.5}};
    for (const Case& c : cases) {
        const FollowedBody moon(c.moment, body::Moon, 60, QSize(200, 200));
        EXPECT_NEAR(moon.disc().litShare(), c.fraction, 0.05) << c.fraction;
    }
}

}  // namespace
}  // namespace halvane
