#include "tools/korvel_solve/interruption.hpp"

#include <signal.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace korvel::solve {

namespace {

volatile std::sig_atomic_t g_signal = 0;
bool g_catching = false;
sigset_t g_wait_mask;  // the mask while waiting: the interruption signals let through

constexpr std::initializer_list<int> kInterruptions = {SIGINT, SIGTERM, SIGHUP};

extern "C" void note_interruption(int signal_number) { g_signal = signal_number; }

}  // namespace

void catch_interruptions() {
    struct sigaction action {};
    action.sa_handler = note_interruption;
    sigemptyset(&action.sa_mask);
    for (const int signal_number : kInterruptions) sigaction(signal_number, &action, nullptr);

    sigset_t held;
    sigemptyset(&held);
    for (const int signal_number : kInterruptions) sigaddset(&held, signal_number);
    pthread_sigmask(SIG_BLOCK, &held, &g_wait_mask);
    for (const int signal_number : kInterruptions) sigdelset(&g_wait_mask, signal_number);
    g_catching = true;
}

int interruption_signal() { return g_signal; }

bool wait_for(int fd, short events, int timeout_ms) {
    pollfd ready{fd, events, 0};
    timespec timeout{timeout_ms / 1000, (timeout_ms % 1000) * 1000000L};
    for (;;) {
        const int count = ::ppoll(&ready, 1, timeout_ms < 0 ? nullptr : &timeout, g_catching ? &g_wait_mask : nullptr);
        if (count >= 0) return count > 0;
        if (errno != EINTR || g_signal != 0) return false;
    }
}

void end_by_interruption() {
    const int signal_number = g_signal;
    std::signal(signal_number, SIG_DFL);
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, signal_number);
    pthread_sigmask(SIG_UNBLOCK, &ending, nullptr);
    std::raise(signal_number);
    std::_Exit(128 + signal_number);  // only if the default action did not end the program
}

}  // namespace korvel::solve
