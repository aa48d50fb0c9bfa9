#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "load_case/combination.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// Why --numbers and an envelope do not go together, on the command line and in a batch.
inline constexpr std::string_view kNumbersNotForEnvelope =
    "--numbers applies to the results of one case or one --combination, not to an envelope";

// Appends the project's answer as one line of JSON:
// {"combinations": {NAME: {"lengths": ..., "reactions": ..., "forces": ...} or {"error": ...}, ...},
//  "envelope": {"complete": BOOL, "forces": {"L0L1": {"max": TEXT, "max_by": NAME, "min": TEXT,
//  "min_by": NAME, "reverses": BOOL}, ...}, "reactions": {"RL0": {"max": ..., ...}, ...},
//  "notes": {ITEM: WORDS, ...}, "status": SENTENCE}},
// combinations in the file's order, members in the results table's order, and
// the notes and the status in the envelope table's words.
void append_project_json(std::string& out, const load_case::ProjectEnvelope& answer);

// Rows of texts as columns padded to their widest cell as a terminal shows it,
// two blanks apart; a row may have fewer cells than the widest.
std::string aligned(const std::vector<std::vector<std::string>>& rows);

// The envelope table as aligned columns: the members, the reactions, then the
// status sentence and each combination left out with its message.
std::string envelope_text(const load_case::ProjectEnvelope& answer);

}  // namespace korvel::solve
