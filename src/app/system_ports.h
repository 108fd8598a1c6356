// The ports as the running program fills them: the system clock, a
// Mersenne Twister, Qt's event loop and Qt's message boxes.
#pragma once

#include <QWidget>
#include <functional>
#include <random>

#include "util/clock.h"
#include "util/event_pump.h"
#include "util/messages.h"
#include "util/random.h"

namespace halvane {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
    double secondsSinceMidnight() const override;
};

class SystemRandom : public Random {
public:
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_{1};
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

// Lets Qt's pending events run. `beforeEvents` runs first, so that what was
// drawn so far shows; when `ending` says so afterwards, the drawing is ended
// with ProgramEnd.
class QtEventPump : public EventPump {
public:
    QtEventPump(std::function<void()> beforeEvents, std::function<bool()> ending)
        : beforeEvents_(std::move(beforeEvents)), ending_(std::move(ending))
    {
    }
    void letEventsRun() override;
    void waitForEvents(double seconds) override;

private:
    std::function<void()> beforeEvents_;
    std::function<bool()> ending_;
};

// A message box that waits for OK while the window's events go on; a close
// request for the main window still reaches it.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const std::string& text) override;

private:
    QWidget* parent_;
};

}  // namespace halvane
