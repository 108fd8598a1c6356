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

    // One tick of Timer1 (every 100 ms): starts the next piece when the last
    // one has ended or the music has just been switched on again, stops the
    // device and removes the play file while `music` is not 1. A piece that
    // ends within a second of its start is skipped from then on; when no
    // piece is left to play, the music says so once and stays silent until
    // it is switched off and on again.
    void tick(int music, EventPump& events);

    // Closing: stops the device and removes the play file.
    void close();

private:
    MidiReply send(const std::string& verb, const std::string& after = "");
    void stopAndClose();
    void removePlayFile();
    // Chooses, copies, opens and plays a piece; false when none could start.
    bool startPiece();
    void skipPieceEndedAtOnce();

    MidiDevice& device_;
    Random& random_;
    std::ostream& log_;
    std::string musicFolder_;
    std::string strFileFrom_;
    std::string strFileTo_;
    int mus_ = 0;  // 1: start a new piece at the next tick
    std::set<std::string> failed_;  // pieces that could not be copied, opened or played
    std::string playing_;  // the piece started last, until it ends
    int ticksPlaying_ = 0;  // ticks since it started
    bool silent_ = false;  // no piece is left to play
    // A copy may lie at the play file (at first one a crashed run left);
    // while the music is off no tick looks for a file that is not there.
    bool playFileMayExist_ = true;
};

}  // namespace halvane
