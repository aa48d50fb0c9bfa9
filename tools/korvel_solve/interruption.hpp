#pragma once

namespace korvel::solve {

// Lets Ctrl+C (SIGINT), SIGTERM and SIGHUP end a batch in order: the signal
// only marks the run as interrupted and breaks off a waiting read, so that every
// answer already computed can still be written out.
void catch_interruptions();

// The signal that interrupted the run, or 0.
int interruption_signal();

// Ends the program by the interrupting signal's own default action, so that the
// caller (a shell, a script) sees how it ended.
[[noreturn]] void end_by_interruption();

}  // namespace korvel::solve
