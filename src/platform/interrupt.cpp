#include "platform/interrupt.h"

#include <csignal>

namespace vartel {
namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void noteInterrupt(int) {
    requested = 1;
}

}  // namespace

void catchInterrupts() {
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep reads and writes whole; the default comes back for the second one.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(SIGINT, &action, nullptr);
}

bool interruptRequested() {
    return requested != 0;
}

}  // namespace vartel
