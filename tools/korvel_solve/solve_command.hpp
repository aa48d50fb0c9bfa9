#pragma once

#include <ostream>

namespace korvel::solve {

inline constexpr int kExitSuccess = 0;
// An analysis failed, a batch line was answered with an error, or input or output failed part way.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The whole of korvel-solve: standard input and output as file descriptors,
// messages on `err`; returns the exit status. With `catch_signals`, an
// interrupted batch writes what it computed and then ends by the signal.
int run_solve(int argc, const char* const* argv, int in_fd, int out_fd, std::ostream& err, bool catch_signals = false);

}  // namespace korvel::solve
