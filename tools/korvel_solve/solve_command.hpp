#pragma once

#include <istream>
#include <ostream>

namespace korvel::solve {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the analysis failed, or the results could not be written
inline constexpr int kExitUsage = 2;

// The whole of korvel-solve on the given streams; returns the exit status.
int run_solve(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace korvel::solve
