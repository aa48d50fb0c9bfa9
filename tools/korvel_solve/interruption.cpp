#include "tools/korvel_solve/interruption.hpp"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace korvel::solve {

namespace {

volatile std::sig_atomic_t g_signal = 0;

extern "C" void note_interruption(int signal_number) { g_signal = signal_number; }

}  // namespace

void catch_interruptions() {
    struct sigaction action {};
    action.sa_handler = note_interruption;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read returns with EINTR
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal_number, &action, nullptr);
}

int interruption_signal() { return g_signal; }

void end_by_interruption() {
    const int signal_number = g_signal;
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
    std::_Exit(128 + signal_number);  // only if the default action did not end the program
}

}  // namespace korvel::solve
