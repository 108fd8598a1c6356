#include <gtest/gtest.h>

#include "chart_command/chart_drawing.h"
#include "fakes.h"
#include "film/frame_source.h"

namespace halvane {
namespace {

class KeptFrames : public FrameSink {
public:
    long frames = 0;
    QImage last;
    void addFrames(const QImage& picture, long count) override
    {
        frames += count;
        last = picture.copy();
    }
};

ChartRequest requestOf(const std::vector<std::string>& options)
{
    const ChartArguments parsed = parseChartArguments(options);
    EXPECT_TRUE(parsed.request) << parsed.error;
    return parsed.request.value_or(ChartRequest{});
}

// Mars's loop of 2020: every pass stays 0.2 s, five frames at 25 a second,
// and the film ends on exactly the picture halvane-chart draws for it.
TEST(FrameSource, AnOverlayRunHoldsEachPassAndEndsOnItsPicture)
{
    const std::vector<std::string> loop{"--date",  "2020-06-01", "--time",          "21:00", "--view",   "3",
                                        "--aim",   "17,5",       "--magnification", "150",   "--repeat", "overlay",
                                        "--times", "30",         "--interval",      "10"};
    testing::RecordingMessages messages;
    auto picture = std::make_unique<Halvane>();
    std::vector<std::string> asPicture = loop;
    asPicture.insert(asPicture.end(), {"--out", "loop.png"});
    const ChartDrawing drawn = drawChart(*picture, requestOf(asPicture), HALVANE_ASSETS_DIR, messages, false);
    ASSERT_TRUE(drawn.surface);

    auto film = std::make_unique<Halvane>();
    std::vector<std::string> asFilm = loop;
    asFilm.insert(asFilm.end(), {"--out", "loop.mp4"});
    KeptFrames frames;
    EXPECT_EQ(filmFrames(*film, requestOf(asFilm), HALVANE_ASSETS_DIR, messages, frames, nullptr), "");
    // A run of 30 counts draws 29 passes, as the window does.
    EXPECT_EQ(frames.frames, 29 * 5);
    ASSERT_EQ(frames.last.size(), drawn.surface->screen().size());
    EXPECT_TRUE(frames.last == drawn.surface->screen());
}

// The medley never ends by itself: a film of it needs a length, and stops
// exactly there; the Saturn scene moves on every frame.
TEST(FrameSource, EndlessRequestsNeedALengthAndTheSaturnSceneIsSmooth)
{
    testing::RecordingMessages messages;
    KeptFrames frames;
    auto endless = std::make_unique<Halvane>();
    const std::string refusal =
        filmFrames(*endless, requestOf({"--scene", "42", "--size", "320x180", "--out", "m.mp4"}), HALVANE_ASSETS_DIR,
                   messages, frames, nullptr);
    EXPECT_NE(refusal.find("--seconds"), std::string::npos) << refusal;
    EXPECT_EQ(frames.frames, 0);

    auto medley = std::make_unique<Halvane>();
    EXPECT_EQ(filmFrames(*medley,
                         requestOf({"--scene", "42", "--seconds", "2", "--size", "320x180", "--out", "m.webm"}),
                         HALVANE_ASSETS_DIR, messages, frames, nullptr),
              "");
    EXPECT_EQ(frames.frames, 50);

    EXPECT_DOUBLE_EQ(passSeconds(requestOf({"--scene", "41", "--fps", "30", "--out", "s.mp4"})), 1.0 / 30);
    EXPECT_DOUBLE_EQ(passSeconds(requestOf({"--scene", "41", "--pass-seconds", "0.5", "--out", "s.mp4"})), 0.5);
    EXPECT_DOUBLE_EQ(passSeconds(requestOf({"--out", "s.mp4"})), 0.2);
}

}  // namespace
}  // namespace halvane
