#include <gtest/gtest.h>

#include <cmath>

#include "fakes.h"
#include "film/sound_track.h"

namespace halvane {
namespace {

double decibels(const std::vector<float>& samples)
{
    double sum = 0;
    for (const float s : samples) sum += static_cast<double>(s) * s;
    return 10 * std::log10(sum / static_cast<double>(samples.size()) + 1e-20);
}

// The music folder's pieces, synthesized without a sound device, make a
// track that is heard, and goes on across the player's ticks.
TEST(SoundTrack, TheMusicFolderMakesAnAudibleTrack)
{
    testing::RecordingMessages messages;
    SoundTrack track(HALVANE_ASSETS_DIR, messages);
    std::vector<float> left(static_cast<size_t>(SoundTrack::SampleRate * 4)), right(left.size());
    track.render(left, right);
    EXPECT_GT(decibels(left), -45);
    EXPECT_GT(decibels(right), -45);
    const std::vector<float> lastSecond(left.end() - static_cast<long>(SoundTrack::SampleRate), left.end());
    EXPECT_GT(decibels(lastSecond), -60);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace halvane
