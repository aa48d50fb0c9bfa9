#pragma once

#include <cstddef>
#include <istream>
#include <ostream>

namespace korvel::solve {

// Answers every JSON Lines case of `in` with one JSON line on `out`: the results,
// the analysis error, or a bad-request error for a line that is not a case.
// Blank lines are skipped. Returns the number of lines answered.
std::size_t run_batch(std::istream& in, std::ostream& out);

}  // namespace korvel::solve
