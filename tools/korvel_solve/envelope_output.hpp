#pragma once

#include <string>
#include <vector>

#include "engine/envelope.hpp"
#include "load_case/project.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// A project with the outcome of each of its combinations and their envelope.
struct ProjectAnswer {
    std::vector<std::string> names;  // the combinations' names, in the file's order
    std::vector<engine::AnalysisOutcome> outcomes;
    engine::Envelope envelope;
};

// Analyses every combination of a project that passed check_project.
ProjectAnswer answer_project(const load_case::Project& project);

// {"combinations": {NAME: {"lengths": ..., "reactions": ..., "forces": ...} or {"error": ...}, ...},
//  "envelope": {"complete": BOOL, "forces": {"L0L1": {"max": TEXT, "max_by": NAME, "min": TEXT,
//  "min_by": NAME, "reverses": BOOL}, ...}, "reactions": {"RL0": {"max": ..., ...}, ...}}},
// combinations in the file's order, members in the results table's order.
Json project_json(const ProjectAnswer& answer);

// The envelope as aligned columns: the members, the reactions with the uplift
// in words, and the combinations that failed.
std::string envelope_table(const ProjectAnswer& answer);

}  // namespace korvel::solve
