// The MIDI command device on FluidSynth: one synthesizer with the General
// MIDI SoundFont, made at the first "open", and one player per piece.
#pragma once

#include <string>
#include <vector>

#include "util/midi_device.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_player_t;

namespace halvane {

class FluidSynthDevice : public MidiDevice {
public:
    enum class Output {
        Speakers,  // the system's sound output, when there is one
        Samples,  // no sound output: the caller takes the samples with render()
    };

    explicit FluidSynthDevice(Output output = Output::Speakers,
                              std::string soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2");
    ~FluidSynthDevice() override;
    FluidSynthDevice(const FluidSynthDevice&) = delete;
    FluidSynthDevice& operator=(const FluidSynthDevice&) = delete;

    MidiReply send(const std::string& command) override;

    // Samples output only: synthesizes the next left.size() stereo frames,
    // which also moves a playing piece on by that much time.
    void render(std::vector<float>& left, std::vector<float>& right);

    static constexpr double SampleRate = 44100;

private:
    MidiReply open(const std::string& file);
    bool makeSynthesizer(std::string& problem);
    void closePlayer();

    Output output_;
    std::string soundFont_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    std::string file_;  // the file the player was opened with
};

}  // namespace halvane
