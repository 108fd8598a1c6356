// The film's music: the pieces of the music folder one after another, as
// the window's player chooses them, synthesized by FluidSynth with the
// program's SoundFont into samples instead of a sound device.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "music/fluidsynth_device.h"
#include "music/music_player.h"
#include "util/event_pump.h"
#include "util/messages.h"
#include "util/random.h"

namespace halvane {

class SoundTrack {
public:
    static constexpr double SampleRate = FluidSynthDevice::SampleRate;

    // The music folder of `programFolder`; no piece there ends with
    // ProgramEnd after "No music file !", as at the program's start.
    SoundTrack(const std::string& programFolder, Messages& messages);
    ~SoundTrack();
    SoundTrack(const SoundTrack&) = delete;
    SoundTrack& operator=(const SoundTrack&) = delete;

    // The next left.size() stereo samples.
    void render(std::vector<float>& left, std::vector<float>& right);

private:
    class NoEvents : public EventPump {
        void letEventsRun() override {}
        void waitForEvents(double) override {}
        void showDrawing() override {}
    };

    QTemporaryDir playFolder_;
    FluidSynthDevice device_{FluidSynthDevice::Output::Samples};
    std::unique_ptr<Random> random_;
    MusicPlayer player_;
    NoEvents events_;
    long untilTick_ = 0;  // samples still to synthesize before the player's next tick
};

}  // namespace halvane
