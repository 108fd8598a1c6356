#include "music/fluidsynth_device.h"

#include <fluidsynth.h>

#include <filesystem>
#include <iostream>

namespace halvane {

namespace {

// The sound outputs tried in turn; JACK is left out, as it may start a server.
constexpr const char* SoundOutputs[] = {"pulseaudio", "alsa"};

// Whether the kernel offers a sound card for ALSA to play on. Without one,
// ALSA's library writes a page of complaints to standard error before it
// gives up, so it is not asked.
bool hasSoundCard()
{
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/dev/snd", error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().filename().string().starts_with("pcm")) return true;
    }
    return false;
}

struct Command {
    std::string verb;
    std::string file;
};

// "status <file> mode" names the file between the verb and " mode"; the
// other commands end with it.
Command parseCommand(const std::string& command)
{
    const size_t space = command.find(' ');
    if (space == std::string::npos) return {command, {}};
    Command parsed{command.substr(0, space), command.substr(space + 1)};
    if (parsed.verb == "status" && parsed.file.ends_with(" mode")) parsed.file.resize(parsed.file.size() - 5);
    return parsed;
}

}  // namespace

FluidSynthDevice::FluidSynthDevice(Output output, std::string soundFont)
    : output_(output), soundFont_(std::move(soundFont))
{
    // FluidSynth's own messages stay off the terminal; this device reports
    // what matters in its replies and in one line about the sound output.
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) fluid_set_log_function(level, nullptr, nullptr);
}

FluidSynthDevice::~FluidSynthDevice()
{
    closePlayer();
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidSynthDevice::makeSynthesizer(std::string& problem)
{
    if (synth_) return true;
    if (!settings_) settings_ = new_fluid_settings();
    if (!settings_) return problem = "no FluidSynth settings", false;
    fluid_settings_setnum(settings_, "synth.sample-rate", SampleRate);
    fluid_settings_setnum(settings_, "synth.gain", 0.5);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return problem = "no FluidSynth synthesizer", false;
    if (fluid_synth_sfload(synth_, soundFont_.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        return problem = "the SoundFont " + soundFont_ + " cannot be loaded", false;
    }
    if (output_ == Output::Speakers) {
        for (const std::string name : SoundOutputs) {
            if (name == "alsa" && !hasSoundCard()) continue;
            fluid_settings_setstr(settings_, "audio.driver", name.c_str());
            if ((driver_ = new_fluid_audio_driver(settings_, synth_))) break;
        }
        if (!driver_) std::cerr << "halvane: no sound output; the music plays silently\n";
    }
    return true;
}

MidiReply FluidSynthDevice::open(const std::string& file)
{
    std::string problem;
    if (!makeSynthesizer(problem)) return {false, problem};
    if (!fluid_is_midifile(file.c_str())) return {false, file + " is not a MIDI file"};
    closePlayer();
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add(player_, file.c_str()) != FLUID_OK) {
        closePlayer();
        return {false, file + " cannot be loaded"};
    }
    file_ = file;
    return {};
}

void FluidSynthDevice::closePlayer()
{
    if (!player_) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    file_.clear();
    fluid_synth_all_notes_off(synth_, -1);
}

MidiReply FluidSynthDevice::send(const std::string& command)
{
    const Command c = parseCommand(command);
    if (c.verb == "open") return open(c.file);
    if (!player_ || c.file != file_) return {false, "the device is not open"};
    if (c.verb == "play") {
        if (fluid_player_play(player_) != FLUID_OK) return {false, file_ + " cannot be played"};
        return {};
    }
    if (c.verb == "status")
        return {true, fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING ? "playing" : "stopped"};
    if (c.verb == "stop") {
        fluid_player_stop(player_);
        fluid_synth_all_notes_off(synth_, -1);
        return {};
    }
    if (c.verb == "close") {
        closePlayer();
        return {};
    }
    return {false, "unknown command " + c.verb};
}

void FluidSynthDevice::render(std::vector<float>& left, std::vector<float>& right)
{
    if (!synth_ || output_ != Output::Samples || right.size() < left.size()) return;
    fluid_synth_write_float(synth_, static_cast<int>(left.size()), left.data(), 0, 1, right.data(), 0, 1);
}

}  // namespace halvane
