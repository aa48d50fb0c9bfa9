#pragma once

#include <string>
#include <vector>

#include "load_case/combination.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// {"combinations": {NAME: {"lengths": ..., "reactions": ..., "forces": ...} or {"error": ...}, ...},
//  "envelope": {"complete": BOOL, "forces": {"L0L1": {"max": TEXT, "max_by": NAME, "min": TEXT,
//  "min_by": NAME, "reverses": BOOL}, ...}, "reactions": {"RL0": {"max": ..., ...}, ...}}},
// combinations in the file's order, members in the results table's order.
Json project_json(const load_case::ProjectEnvelope& answer);

// Rows of texts as columns padded to their widest cell, two blanks apart.
std::string aligned(const std::vector<std::vector<std::string>>& rows);

// The envelope as aligned columns: the members, the reactions with the uplift
// in words, and the combinations that failed.
std::string envelope_table(const load_case::ProjectEnvelope& answer);

}  // namespace korvel::solve
