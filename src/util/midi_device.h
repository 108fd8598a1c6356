// The MIDI command device behind the music player: it takes the command
// strings "open <file>", "play <file>", "status <file> mode", "stop <file>"
// and "close <file>".
#pragma once

#include <string>

namespace halvane {

struct MidiReply {
    bool ok = true;  // the command was carried out
    std::string text;  // the device's answer ("playing", "stopped"), or why it failed
};

class MidiDevice {
public:
    virtual ~MidiDevice() = default;
    // "play" returns at once while the piece goes on in the background;
    // "status <file> mode" answers "playing" or "stopped" for an open file.
    virtual MidiReply send(const std::string& command) = 0;
};

}  // namespace halvane
