// Background music: pieces of the folder "music" beside the program, played
// one after another in random order while the music box says so. Each piece
// is copied to the play file first, and every command addresses that file.
#pragma once

#include <iostream>
#include <set>
#include <string>

#include "util/event_pump.h"
#include "util/messages.h"
#include "util/midi_device.h"
#include "util/random.h"

namespace halvane {

class MusicPlayer {
public:
    // `playFile` is the copy the device plays; `log` hears of pieces that
    // cannot be played.
    MusicPlayer(MidiDevice& device, Random& random, std::string playFile, std::ostream& log = std::cerr);

    // Start-up: removes a leftover play file, ends the program with
    // "No music file !" when the music folder of `programFolder` holds no
    // piece, and starts a piece when `music` is 1.
    void start(const std::string& programFolder, int music, Messages& messages);

    // One tick of Timer1: starts the next piece when the last one has ended
    // or the music has just been switched on again, stops the device and
    // removes the play file while `music` is not 1.
    void tick(int music, EventPump& events);

    // Closing: stops the device and removes the play file.
    void close();

private:
    MidiReply send(const std::string& verb, const std::string& after = "");
    void stopAndClose();
    void removePlayFile();
    // Chooses, copies, opens and plays a piece; false when none could start.
    bool startPiece();

    MidiDevice& device_;
    Random& random_;
    std::ostream& log_;
    std::string musicFolder_;
    std::string strFileFrom_;
    std::string strFileTo_;
    int mus_ = 0;                   // 1: start a new piece at the next tick
    std::set<std::string> failed_;  // pieces that could not be copied or opened
};

}  // namespace halvane
