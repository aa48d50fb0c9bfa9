#pragma once

#include <poll.h>

namespace korvel::solve {

// Lets Ctrl+C (SIGINT), SIGTERM and SIGHUP end a batch in order. The signals
// are held back in every thread, so an interruption never cuts an answer in
// half; the program looks for one between blocks of lines, between reads and
// between writes, and takes it while it waits (see wait_for), so it is seen
// within milliseconds whatever the program is doing, and every answer already
// computed can still be written out. Call before any thread starts, so that
// every thread holds them back.
void catch_interruptions();

// The signal that interrupted the run, or 0. Also sees a signal still held
// back, as when the input is always ready and the program never waits.
int interruption_signal();

// Whether an interruption has come or is held back; safe in any thread, for the
// workers to stop a long computation at once.
bool interruption_pending();

// Waits until `fd` is ready for `events` (POLLIN or POLLOUT), for at most
// `timeout_ms` (-1: no limit), taking a held-back signal meanwhile. True when
// the descriptor is ready (or has hung up); false on a timeout or an
// interruption. Once interrupted, it waits no longer than a short grace from the
// interruption on, so that a reader that takes nothing more cannot hold the end.
bool wait_for(int fd, short events, int timeout_ms);

// Ends the program by the interrupting signal's own default action, so that the
// caller (a shell, a script) sees how it ended.
[[noreturn]] void end_by_interruption();

}  // namespace korvel::solve
