// Stand-ins for the ports, so that whole handlers run in tests.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "util/clock.h"
#include "util/event_pump.h"
#include "util/messages.h"
#include "util/midi_device.h"
#include "util/random.h"

namespace halvane::testing {

class FakeClock : public Clock {
public:
    LocalDateTime time{2026, 12, 8, 21, 5};
    double seconds = 0;
    LocalDateTime now() const override { return time; }
    double secondsSinceMidnight() const override { return seconds; }
};

// Returns the scripted values in turn, then starts over; 0.5 when empty.
class ScriptedRandom : public Random {
public:
    std::vector<double> values;
    int reseeds = 0;
    double next() override
    {
        if (values.empty()) return 0.5;
        const double value = values[position_ % values.size()];
        ++position_;
        return value;
    }
    void reseed() override { ++reseeds; }

private:
    size_t position_ = 0;
};

// Runs `hook` (once per call) where the program lets window events run, so a
// test can fire a nested click in the middle of a drawing. A wait moves
// `clock` on by its length (wrapping at midnight) before the hook runs.
class FakeEventPump : public EventPump {
public:
    std::function<void()> hook;
    FakeClock* clock = nullptr;
    int calls = 0;  // letEventsRun only
    int waits = 0;
    void letEventsRun() override
    {
        ++calls;
        if (hook) hook();
    }
    void waitForEvents(double seconds) override
    {
        ++waits;
        if (clock) clock->seconds = std::fmod(clock->seconds + seconds, 86400.0);
        if (hook) hook();
    }
};

class RecordingMessages : public Messages {
public:
    std::vector<std::string> shown;
    void show(const std::string& text) override { shown.push_back(text); }
};

// Records every command; "status" answers `status`, and "open" fails while
// `failOpen` is set.
class RecordingMidiDevice : public MidiDevice {
public:
    std::vector<std::string> commands;
    std::string status = "playing";
    bool failOpen = false;
    MidiReply send(const std::string& command) override
    {
        commands.push_back(command);
        if (command.starts_with("status")) return {true, status};
        if (command.starts_with("open") && failOpen) return {false, "not a MIDI file"};
        return {};
    }
};

}  // namespace halvane::testing
