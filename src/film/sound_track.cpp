#include "film/sound_track.h"

#include <algorithm>

#include "startup/system_clock.h"

namespace halvane {

namespace {
// The window's Timer1 ticks every tenth of a second and starts the next
// piece when one has ended.
constexpr long SamplesPerTick = static_cast<long>(SoundTrack::SampleRate / 10);
}  // namespace

SoundTrack::SoundTrack(const std::string& programFolder, Messages& messages)
    : random_(std::make_unique<SystemRandom>()),
      player_(device_, *random_, playFolder_.filePath("test0.mid").toStdString())
{
    random_->reseed();
    player_.start(programFolder, 1, messages);
}

SoundTrack::~SoundTrack() { player_.close(); }

void SoundTrack::render(std::vector<float>& left, std::vector<float>& right)
{
    std::vector<float> blockLeft, blockRight;
    for (size_t done = 0; done < left.size();) {
        if (untilTick_ == 0) {
            player_.tick(1, events_);
            untilTick_ = SamplesPerTick;
        }
        const size_t count = std::min(left.size() - done, static_cast<size_t>(untilTick_));
        blockLeft.assign(count, 0);
        blockRight.assign(count, 0);
        device_.render(blockLeft, blockRight);
        std::copy(blockLeft.begin(), blockLeft.end(), left.begin() + static_cast<long>(done));
        std::copy(blockRight.begin(), blockRight.end(), right.begin() + static_cast<long>(done));
        done += count;
        untilTick_ -= static_cast<long>(count);
    }
}

}  // namespace halvane
