#pragma once

#include <ostream>
#include <string_view>

#include "engine/analysis.hpp"
#include "load_case/project.hpp"
#include "tools/korvel_solve/command_line.hpp"

namespace korvel::solve {

// The combined input of the combination called `name`, to be analysed as one
// case is; a UsageError naming the combinations there are when there is none of that name.
engine::AnalysisInput combination_input(const load_case::Project& project, std::string_view name);

// --envelope: writes the envelope in the run's format to `out_fd` and names each
// failed combination with its message on `err`. The exit status: failure when any
// combination failed.
int run_envelope(const load_case::Project& project, const SingleRun& run, int out_fd, std::ostream& err);

}  // namespace korvel::solve
