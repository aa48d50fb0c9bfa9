#pragma once

#include <poll.h>

namespace korvel::solve {

// Lets Ctrl+C (SIGINT), SIGTERM and SIGHUP end a batch in order. The signals
// are held back while the program computes and are taken only while it waits
// for input or output (see wait_for), so an interruption never cuts an answer
// in half, and every answer already computed can still be written out.
// Call before any thread starts, so that every thread holds them back.
void catch_interruptions();

// The signal that interrupted the run, or 0.
int interruption_signal();

// Waits until `fd` is ready for `events` (POLLIN or POLLOUT), for at most
// `timeout_ms` (-1: no limit), taking a held-back signal meanwhile. True when
// the descriptor is ready (or has hung up); false on a timeout or an interruption.
bool wait_for(int fd, short events, int timeout_ms);

// Ends the program by the interrupting signal's own default action, so that the
// caller (a shell, a script) sees how it ended.
[[noreturn]] void end_by_interruption();

}  // namespace korvel::solve
