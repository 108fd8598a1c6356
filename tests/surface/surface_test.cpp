#include "surface/surface.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ephemeris/constants.h"

namespace halvane {
namespace {

constexpr Rgb red{255, 0, 0}, green{0, 255, 0}, black{0, 0, 0};

TEST(Surface, MeasuresInTwips)
{
    Surface surface(QSize(200, 100));
    EXPECT_EQ(surface.scaleWidth(), 3000);
    EXPECT_EQ(surface.scaleHeight(), 1500);
}

TEST(Surface, PointsAreReadBackWhereTheyWereSet)
{
    Surface surface(QSize(200, 100));
    surface.setPoint(150, 300, red);  // pixel (10, 20)
    EXPECT_EQ(surface.point(150, 300), red);
    EXPECT_EQ(surface.point(164, 314), red);  // same pixel
    EXPECT_EQ(surface.point(165, 300), black);
    EXPECT_EQ(surface.currentX(), 150);
    EXPECT_EQ(surface.currentY(), 300);
    surface.setPixel(11, 20, green);
    EXPECT_EQ(surface.point(165, 300), green);
    // Outside the image nothing is written and black is read.
    surface.setPixel(-1, 5, green);
    surface.setPixel(200, 5, green);
    surface.setPoint(-10000, 1e9, red);
    EXPECT_EQ(surface.point(-15, 0), black);
}

// A wide dot is round, on the screen and replayed from the record (the
// vector files): lit across its width through the centre, dark in the
// corners of its square, about pi / 4 of the square lit.
TEST(Surface, AWideDotIsRound)
{
    for (int width : {6, 10, 30}) {
        Surface surface(QSize(80, 80));
        surface.startRecording();
        surface.setPenWidth(width);
        surface.setPoint(600, 600, red);  // centred on pixel corner (40, 40)
        QImage replayed(surface.screen().size(), QImage::Format_RGB32);
        QPainter painter(&replayed);
        surface.record()->replay(painter);
        painter.end();
        for (const QImage& image : {surface.screen(), replayed}) {
            const auto at = [&](int x, int y) { return (image.pixel(40 + x, 40 + y) & 0xffffff) == 0xff0000; };
            const int h = width / 2;
            int lit = 0;
            for (int y = -h; y < h; ++y)
                for (int x = -h; x < h; ++x) lit += at(x, y);
            EXPECT_NEAR(lit, p0 / 4 * width * width, 0.12 * width * width) << width;
            for (int k : {-h, h - 1}) {
                EXPECT_TRUE(at(k, 0) && at(0, k)) << width << " " << k;
                EXPECT_FALSE(at(k, k) || at(k, -1 - k)) << width << " " << k;
            }
        }
    }
}

TEST(Surface, ClearWithPersistenceOffShowsThePersistentDrawingAgain)
{
    Surface surface(QSize(100, 100));
    surface.setBackColour(black);
    surface.setPersistence(true);
    surface.clear();
    surface.line(0, 150, 1499, 150, red);  // kept
    surface.setPersistence(false);
    surface.setPoint(600, 600, green);  // on screen only
    EXPECT_EQ(surface.point(600, 600), green);
    surface.clear();
    EXPECT_EQ(surface.point(600, 600), black);
    EXPECT_EQ(surface.point(750, 150), red);
}

TEST(Surface, AHeldPictureStaysShownWhileTheDrawingGoesOnUnderIt)
{
    Surface surface(QSize(40, 40));
    surface.setPixel(1, 1, red);
    const QImage first = surface.shown().copy();
    const auto firstVersion = surface.shownVersion();
    {
        const WholePicture outer(surface);
        surface.clear();
        surface.setPoint(300, 300, green);
        EXPECT_EQ(surface.shown(), first);
        EXPECT_EQ(surface.shownVersion(), firstVersion);  // nothing for the window to repaint
        EXPECT_EQ(surface.point(15, 15), black);  // drawing and reading go on in the screen image
        {
            WholePicture inner(surface);  // a drawing inside the first one
            surface.setPixel(2, 2, red);
            inner.show();
            EXPECT_EQ(surface.shown(), surface.screen());
            EXPECT_NE(surface.shownVersion(), firstVersion);
        }
        const QImage second = surface.shown().copy();
        surface.setPixel(3, 3, red);
        EXPECT_EQ(surface.shown(), second) << "the outer drawing is held again";
        surface.resize(QSize(30, 30));
        EXPECT_EQ(surface.shown().size(), QSize(30, 30));
    }
    EXPECT_FALSE(surface.holdsPicture());
    const auto shownVersion = surface.shownVersion();
    surface.setPenWidth(2);  // a state change alone is no new picture
    EXPECT_EQ(surface.shownVersion(), shownVersion);
    surface.line(0, 0, 150, 150, red);
    EXPECT_NE(surface.shownVersion(), shownVersion);
}

TEST(Surface, ClearWithPersistenceOnFillsBothImagesWithTheBackColour)
{
    Surface surface(QSize(100, 100));
    surface.setPersistence(true);
    surface.setPoint(600, 600, green);
    surface.setBackColour({0, 0, 80});
    surface.clear();
    EXPECT_EQ(surface.point(600, 600), (Rgb{0, 0, 80}));
    surface.setPersistence(false);
    surface.clear();
    EXPECT_EQ(surface.point(600, 600), (Rgb{0, 0, 80}));
}

TEST(Surface, PrintMovesToTheNextLine)
{
    Surface surface(QSize(400, 200));
    surface.setForeColour({255, 255, 255});
    surface.setFontSize(12);
    surface.setCurrentX(300);
    surface.setCurrentY(150);
    surface.print("Halvane 星");
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_GT(surface.currentY(), 150 + 12 * 20 * 0.9);  // about one 12-point line lower
    bool inked = false;
    for (int x = 20; x < 200 && !inked; ++x)
        for (int y = 10; y < 40 && !inked; ++y) inked = surface.point(x * 15, y * 15) != black;
    EXPECT_TRUE(inked);
}

TEST(Surface, PrintOnLineStaysOnTheLineAfterTheText)
{
    Surface surface(QSize(400, 200));
    surface.setCurrentX(300);
    surface.setCurrentY(150);
    surface.printOnLine("Mars");
    EXPECT_GT(surface.currentX(), 300 + 3 * 15);
    EXPECT_EQ(surface.currentY(), 150);
}

TEST(Surface, AWideDotPaintsOnlyWhereItLands)
{
    Surface surface(QSize(100, 100));
    surface.setPenWidth(1000);
    surface.setPoint(-470 * 15.0, 50 * 15.0, red);  // 500 pixels either side: reaches x = 0 to 29
    EXPECT_EQ(surface.point(29 * 15, 50 * 15), red);
    EXPECT_EQ(surface.point(31 * 15, 50 * 15), black);
    surface.setPoint(-1e12, 1e12, green);
    surface.setPoint(std::nan(""), 0, green);
    surface.setPenWidth(1);
    surface.setPoint(std::nan(""), std::numeric_limits<double>::infinity(), green);
    EXPECT_EQ(surface.point(0, 50 * 15), red);
    EXPECT_EQ(surface.point(99 * 15, 99 * 15), black);
}

TEST(Surface, CircleAndLineLandWhereAsked)
{
    Surface surface(QSize(100, 100));
    surface.circle(750, 750, 300, red);  // radius 20 px around (50, 50)
    EXPECT_EQ(surface.point(750 + 300, 750), red);
    EXPECT_EQ(surface.point(750, 750), black);
    surface.line(0, 0, 1485, 0, green);
    EXPECT_EQ(surface.point(900, 0), green);
}

// The same drawing on a screen of twice the density: the same picture in
// twips, every mark twice as many pixels across.
TEST(Surface, DenseScreenDrawsTheSamePictureWithTwiceThePixels)
{
    struct Extent {
        int textTop = 1 << 30, textBottom = -1, lineRows = 0, dotColumns = 0;
    };
    auto draw = [](double twipsPerPixel, double ratio) {
        const int scale = static_cast<int>(ratio);
        Surface surface(QSize(200 * scale, 100 * scale), twipsPerPixel, twipsPerPixel, ratio);
        surface.setCurrentY(150);
        surface.setFontSize(12);
        surface.print("Halvane");
        surface.line(0, 1200, 3000, 1200, red);
        surface.setPenWidth(3);
        surface.setPoint(2250, 750, green);
        Extent e;
        const QImage& image = surface.screen();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xffffff;
                if (p == 0) continue;
                if (p == 0xff0000 && x == 10 * scale)
                    ++e.lineRows;
                else if (p == 0x00ff00 && y == 50 * scale)
                    ++e.dotColumns;
                else if (y < 60 * scale)
                    e.textTop = std::min(e.textTop, y), e.textBottom = std::max(e.textBottom, y);
            }
        return e;
    };
    const Extent normal = draw(15, 1), dense = draw(7.5, 2);
    EXPECT_EQ(normal.lineRows, 1);
    EXPECT_EQ(dense.lineRows, 2);
    EXPECT_EQ(normal.dotColumns, 3);
    EXPECT_EQ(dense.dotColumns, 6);
    const int normalHeight = normal.textBottom - normal.textTop + 1, denseHeight = dense.textBottom - dense.textTop + 1;
    EXPECT_GT(normalHeight, 6);
    EXPECT_NEAR(denseHeight, 2 * normalHeight, 2);
    EXPECT_NEAR(dense.textTop, 2 * normal.textTop, 2);
}

// The recorded vectors follow clear and persistence as the two images do:
// replayed after each step they give the screen, pixel for pixel.
TEST(Surface, RecordReplaysToTheScreenThroughClearsAndPersistence)
{
    Surface surface(QSize(60, 40));
    surface.startRecording();
    auto replayMatchesScreen = [&] {
        QImage replayed(surface.screen().size(), QImage::Format_RGB32);
        QPainter painter(&replayed);
        surface.record()->replay(painter);
        painter.end();
        return replayed == surface.screen().convertToFormat(QImage::Format_RGB32);
    };
    surface.setPersistence(true);
    surface.line(0, 0, 600, 450, red);
    surface.setPixel(50, 5, green);
    surface.setPixel(51, 5, green);
    surface.setPersistence(false);
    surface.setPenWidth(3);
    surface.circle(450, 300, 150, green);
    surface.setPoint(150, 450, red);
    surface.setPenWidth(1);
    surface.setPixel(2, 30, red);
    EXPECT_TRUE(replayMatchesScreen());
    surface.clear();  // persistence off: only the persistent drawing stays
    EXPECT_EQ(surface.point(2 * 15, 30 * 15), black);
    EXPECT_TRUE(replayMatchesScreen());
    surface.setPersistence(true);
    surface.setBackColour(Rgb{0, 0, 90});
    surface.clear();
    surface.setPixel(3, 3, red);
    EXPECT_TRUE(replayMatchesScreen());
}

}  // namespace
}  // namespace halvane
