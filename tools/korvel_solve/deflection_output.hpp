#pragma once

#include <string>
#include <string_view>

#include "design/deflection_table.hpp"
#include "engine/deflection.hpp"
#include "tools/korvel_solve/result_json.hpp"

namespace korvel::solve {

// {"span": TEXT, "limit_divisor": TEXT, "creep": {"rule": ..., "factor": ...},
//  "combinations": {NAME: {"nodes": {"L0": {"vertical": TEXT}, ..., "L6": {"vertical": TEXT, "horizontal": TEXT},
//  "U1": ...}, "largest": {"node": ..., "value": ..., "limit": ..., "span_over": ..., "passes": BOOL},
//  "final": {"nodes": ..., "largest": ...}}, ...}, "passes": BOOL, "note": design::kJointSlipNote}, every length in
// the project's length unit, vertical positive downward, horizontal positive to the right; "final" only
// where creep applies.
Json deflection_json(const design::DeflectionCheck& check);

// The same as lines of text: per combination its largest deflection, node, limit and verdict in words.
std::string deflection_text(const design::DeflectionCheck& check, std::string_view length_unit);

// The virtual-work table of the working as Markdown: a title, the table, the sum.
std::string virtual_work_markdown(const engine::VirtualWorkTable& table);

}  // namespace korvel::solve
