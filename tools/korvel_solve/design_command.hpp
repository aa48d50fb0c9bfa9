#pragma once

#include <ostream>

#include "design/project_design.hpp"
#include "load_case/project.hpp"
#include "tools/korvel_solve/command_line.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// The design of a project, or a UsageError naming the setting at fault.
design::ProjectDesign design_answer(const load_case::Project& project);

// {"units": {"force": ..., "length": ...}, "code": KEY, "edition": ..., "material": {...},
//  "sections": {GROUP: {"name", "A", "i_y", "i_z", "unit"}, ...}, "members": {NAME: {"group", "section",
//  "length", "buckling_length_in_plane", "buckling_length_out_of_plane", "utilisation", "governing", "check",
//  "design_force", "resistance", "passes", "checked", "warnings"}, ...}, "lightest": {GROUP: {...}},
//  "not_checked": TEXT, "failed_combinations": [...], "passes": BOOL, "complete": BOOL}; numbers as texts.
Json design_json(const design::ProjectDesign& answer);

// --design: the design in the run's format, with "deflection" (deflection_json)
// where the design names serviceability combinations; with --working the
// virtual-work table of each of them instead. The exit status: failure when a
// member fails or is not checked, a deflection exceeds its limit, or a
// combination could not be analysed.
int run_design(const load_case::Project& project, const SingleRun& run, int out_fd, std::ostream& err);

}  // namespace korvel::solve
