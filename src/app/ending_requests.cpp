#include "app/ending_requests.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>

namespace halvane {

namespace {

constexpr std::array<int, 3> EndingSignals = {SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end, for the handler; -1 while no object listens.
volatile sig_atomic_t signalPipe = -1;

extern "C" void noteSignal(int number)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    if (signalPipe >= 0) [[maybe_unused]]
        const auto written = write(signalPipe, &byte, 1);
    errno = savedErrno;
}

}  // namespace

EndingRequests::EndingRequests(std::function<void()> onEnd) : onEnd_(std::move(onEnd))
{
    if (pipe2(pipe_.data(), O_NONBLOCK | O_CLOEXEC) == 0) {
        signalPipe = pipe_[1];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readSignals(); });
        struct sigaction action {};
        action.sa_handler = noteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < EndingSignals.size(); ++i) sigaction(EndingSignals[i], &action, &previous_[i]);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { onEnd_(); });
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { onEnd_(); });
    }
}

EndingRequests::~EndingRequests()
{
    if (pipe_[0] < 0) return;
    for (size_t i = 0; i < EndingSignals.size(); ++i) sigaction(EndingSignals[i], &previous_[i], nullptr);
    signalPipe = -1;
    notifier_.reset();
    close(pipe_[0]);
    close(pipe_[1]);
}

void EndingRequests::readSignals()
{
    char bytes[16];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {}
    onEnd_();
}

}  // namespace halvane
