#include <gtest/gtest.h>

#include "film/film_timeline.h"

namespace halvane {
namespace {

struct Written {
    long count;
    QRgb pixel;
};

class PixelFrames : public FrameSink {
public:
    std::vector<Written> written;
    void addFrames(const QImage& picture, long count) override { written.push_back({count, picture.pixel(0, 0)}); }
};

// Frames fall due by the film's time, however it is cut into steps; a
// picture held while the drawing goes on is what those frames show, and the
// film stops at its length.
TEST(FilmTimeline, FramesFallDueByTimeShowWhatIsOnScreenAndStopAtTheLength)
{
    PixelFrames sink;
    FilmTimeline timeline(sink, 25, 1.0);
    QImage screen(4, 4, QImage::Format_RGB32);
    screen.fill(Qt::red);
    timeline.showScreen(screen);
    timeline.advance(0.2);
    timeline.advance(0.01);  // less than half a frame: nothing yet
    screen.fill(Qt::white);  // a light drawn for the moment it is shown
    timeline.holdPicture(screen);
    screen.fill(Qt::black);  // and covered again
    timeline.advance(0.03);
    timeline.showScreen(screen);
    EXPECT_THROW(timeline.advance(5), FilmComplete);
    EXPECT_THROW(timeline.advance(0), FilmComplete);

    ASSERT_EQ(sink.written.size(), 3u);
    EXPECT_EQ(sink.written[0].count, 5);
    EXPECT_EQ(sink.written[0].pixel, QColor(Qt::red).rgb());
    EXPECT_EQ(sink.written[1].count, 1);  // 0.24 s: the sixth frame
    EXPECT_EQ(sink.written[1].pixel, QColor(Qt::white).rgb());
    EXPECT_EQ(sink.written[2].count, 19);
    EXPECT_EQ(sink.written[2].pixel, QColor(Qt::black).rgb());
    EXPECT_EQ(timeline.frames(), 25);
    EXPECT_DOUBLE_EQ(timeline.shareOfLength(), 1);
}

}  // namespace
}  // namespace halvane
