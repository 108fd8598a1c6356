#include "film/interrupt.h"

#include <array>
#include <csignal>

namespace halvane {

namespace {

volatile std::sig_atomic_t interrupted = 0;

constexpr std::array<int, 3> caught{SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, 3> previous{};

extern "C" void noteInterrupt(int) { interrupted = 1; }

}  // namespace

InterruptCatcher::InterruptCatcher()
{
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    for (size_t k = 0; k < caught.size(); ++k) sigaction(caught[k], &action, &previous[k]);
}

InterruptCatcher::~InterruptCatcher()
{
    for (size_t k = 0; k < caught.size(); ++k) sigaction(caught[k], &previous[k], nullptr);
}

bool interruptRequested() { return interrupted != 0; }

}  // namespace halvane
