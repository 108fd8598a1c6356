// The ports as the running window fills them: Qt's event loop and Qt's
// message boxes (the clock and the random numbers are in startup/).
#pragma once

#include <QWidget>
#include <functional>

#include "startup/system_clock.h"
#include "util/event_pump.h"
#include "util/messages.h"

namespace halvane {

// Lets Qt's events run. `beforeEvents` runs first, so that what was drawn
// so far shows; `showNow` paints it at once; when `ending` says so after
// the events, the drawing is ended with ProgramEnd.
class QtEventPump : public EventPump {
public:
    QtEventPump(std::function<void()> beforeEvents, std::function<void()> showNow, std::function<bool()> ending)
        : beforeEvents_(std::move(beforeEvents)), showNow_(std::move(showNow)), ending_(std::move(ending))
    {}
    void letEventsRun() override;
    void waitForEvents(double seconds) override;
    void showDrawing() override { showNow_(); }

private:
    std::function<void()> beforeEvents_;
    std::function<void()> showNow_;
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
