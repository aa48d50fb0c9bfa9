#include "tools/korvel_solve/interruption.hpp"

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace korvel::solve {

namespace {

using Clock = std::chrono::steady_clock;

// How long the answers computed before an interruption may still take to go out.
constexpr auto kGrace = std::chrono::milliseconds(50);

// Lock-free, so that the handler may set it; the workers read it.
std::atomic<int> g_signal = 0;
static_assert(std::atomic<int>::is_always_lock_free);
bool g_catching = false;
sigset_t g_wait_mask;  // the mask while waiting: the interruption signals let through
Clock::time_point g_grace_end;
bool g_grace_started = false;

constexpr std::initializer_list<int> kInterruptions = {SIGINT, SIGTERM, SIGHUP};

extern "C" void note_interruption(int signal_number) { g_signal = signal_number; }

int held_back_interruption() {
    sigset_t pending;
    if (sigpending(&pending) != 0) return 0;
    for (const int signal_number : kInterruptions) {
        if (sigismember(&pending, signal_number) == 1) return signal_number;
    }
    return 0;
}

// The time left to wait: `timeout_ms`, or after an interruption at most the grace left.
int bounded_timeout(int timeout_ms) {
    if (interruption_signal() == 0) return timeout_ms;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(g_grace_end - Clock::now()).count();
    const int grace_ms = static_cast<int>(std::max<decltype(left)>(left, 0));
    return timeout_ms < 0 ? grace_ms : std::min(timeout_ms, grace_ms);
}

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

int interruption_signal() {
    if (g_signal == 0 && g_catching) {
        if (const int held = held_back_interruption()) g_signal = held;
    }
    if (g_signal != 0 && !g_grace_started) {
        g_grace_started = true;
        g_grace_end = Clock::now() + kGrace;
    }
    return g_signal;
}

bool wait_for(int fd, short events, int timeout_ms) {
    pollfd ready{fd, events, 0};
    const int wait_ms = bounded_timeout(timeout_ms);
    timespec timeout{wait_ms / 1000, (wait_ms % 1000) * 1000000L};
    for (;;) {
        const int count = ::ppoll(&ready, 1, wait_ms < 0 ? nullptr : &timeout, g_catching ? &g_wait_mask : nullptr);
        if (count >= 0) return count > 0;
        if (errno != EINTR || interruption_signal() != 0) return false;
    }
}

bool interruption_pending() { return g_signal != 0 || (g_catching && held_back_interruption() != 0); }

void end_by_interruption() {
    const int signal_number = interruption_signal();
    std::signal(signal_number, SIG_DFL);
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, signal_number);
    pthread_sigmask(SIG_UNBLOCK, &ending, nullptr);
    std::raise(signal_number);
    std::_Exit(128 + signal_number);  // only if the default action did not end the program
}

}  // namespace korvel::solve
