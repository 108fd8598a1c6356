// The ways the system ends the program besides closing its window: SIGTERM,
// SIGHUP and SIGINT, and the end of the desktop session. Each becomes one
// call on the event loop, so that the closing steps run as when the window
// is closed (a signal handler itself may do no more than write to a pipe).
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

namespace halvane {

class EndingRequests : public QObject {
public:
    // `onEnd` runs on the event loop for each request; one object at a time.
    explicit EndingRequests(std::function<void()> onEnd);
    ~EndingRequests() override;
    EndingRequests(const EndingRequests&) = delete;
    EndingRequests& operator=(const EndingRequests&) = delete;

private:
    void readSignals();

    std::function<void()> onEnd_;
    std::array<int, 2> pipe_{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, 3> previous_{};
};

}  // namespace halvane
